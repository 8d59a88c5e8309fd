#pragma once
// Form1 as a real window: created from the control table, its controls bound
// to the portable setting side through the control interfaces.
#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/form1.h"
#include "app/layout.h"
#include "app/win32/gdi.h"
#include "app/win32/win32_controls.h"
#include "registry/regedit.h"
#include "registry/win32_store.h"

namespace velmora {

class MainWindow {
public:
    // Creates the window and its controls in their designed states, hidden.
    explicit MainWindow(HINSTANCE instance);
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    void Form_Load() { form_->Form_Load(); }
    void show(int showCommand);
    HWND hwnd() const { return hwnd_; }

private:
    static LRESULT CALLBACK proc(HWND h, UINT m, WPARAM w, LPARAM l);
    static LRESULT CALLBACK pageProc(HWND h, UINT m, WPARAM w, LPARAM l);
    LRESULT handle(UINT m, WPARAM w, LPARAM l);

    void createControls();
    HWND createControl(const layout::Control& c, HWND parent, POINT origin);
    void bindForm();
    void onCommand(int id, int code);
    void showTab(int tab);
    LRESULT colorFor(HWND control, HDC dc);

    HINSTANCE instance_;
    HWND hwnd_ = nullptr;
    HWND tab_ = nullptr;
    HWND slider_ = nullptr;
    std::vector<HWND> pages_;
    int dpi_ = 96;
    Font regular_, bold_;
    std::vector<Bitmap> pictures_;
    std::map<HWND, layout::OleColor> colors_;  // controls with a colour of their own
    std::map<HWND, const layout::Control*> controlOf_;
    std::map<int, const layout::Control*> byId_;

    // Adapters, by control name. Frames outlive their option buttons.
    std::map<std::string, OptionFrame> frames_;
    std::map<std::string, std::unique_ptr<Win32Label>> labels_;
    std::map<std::string, std::unique_ptr<Win32CheckBox>> checks_;
    std::map<std::string, std::unique_ptr<Win32OptionButton>> options_;
    std::unique_ptr<Win32Slider> sliderControl_;

    Win32Store store_;
    RegEdit regEdit_{store_};
    std::unique_ptr<Form1> form_;
};

}  // namespace velmora
