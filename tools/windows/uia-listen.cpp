// A small UI Automation client, as a screen reader is one: attaches to the desktop, registers for
// notification events (what Qt raises for an announcement) and focus changes on the program's
// windows, and prints what it receives, one line each, until the stop file appears or the time is
// up. Its presence is what makes a program's UI Automation provider speak at all: Windows (and
// Wine) tell a provider that clients are listening only once one has attached.
// Usage: uia-listen.exe STOP_FILE SECONDS     (cross-built with MinGW-w64 by tools/windows.sh)
#include <windows.h>
#include <ole2.h>
#include <uiautomation.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

const CLSID kCUIAutomation = {0xff48dba4, 0x60ef, 0x4201, {0xaa, 0x87, 0x54, 0x10, 0x3e, 0xef, 0x59, 0x4e}};
const CLSID kCUIAutomation8 = {0xe22ad333, 0xb25f, 0x460c, {0x83, 0xd0, 0x05, 0x81, 0x10, 0x73, 0x95, 0xc9}};

std::string utf8(const wchar_t* text) {
    if (!text) return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string out(size > 0 ? size - 1 : 0, '\0');
    if (size > 1) WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
    return out;
}

// One object answers both kinds of event; COM reference counting is kept trivial, as the object
// lives as long as the program.
class Listener final : public IUIAutomationNotificationEventHandler, public IUIAutomationFocusChangedEventHandler {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
        if (riid == __uuidof(IUnknown) || riid == __uuidof(IUIAutomationNotificationEventHandler)) {
            *out = static_cast<IUIAutomationNotificationEventHandler*>(this);
        } else if (riid == __uuidof(IUIAutomationFocusChangedEventHandler)) {
            *out = static_cast<IUIAutomationFocusChangedEventHandler*>(this);
        } else {
            *out = nullptr;
            return E_NOINTERFACE;
        }
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    HRESULT STDMETHODCALLTYPE HandleNotificationEvent(IUIAutomationElement*, NotificationKind,
                                                      NotificationProcessing processing, BSTR text, BSTR) override {
        std::printf("notification (processing %d): %s\n", int(processing), utf8(text).c_str());
        std::fflush(stdout);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE HandleFocusChangedEvent(IUIAutomationElement* sender) override {
        BSTR name = nullptr;
        if (sender && SUCCEEDED(sender->get_CurrentName(&name))) {
            std::printf("focus: %s\n", utf8(name).c_str());
            SysFreeString(name);
        }
        std::fflush(stdout);
        return S_OK;
    }
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) {
        std::fputs("usage: uia-listen.exe STOP_FILE SECONDS\n", stderr);
        return 2;
    }
    const wchar_t* stop = argv[1];
    const DWORD deadline = GetTickCount() + DWORD(_wtoi(argv[2])) * 1000;
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);

    IUIAutomation* automation = nullptr;
    HRESULT hr = CoCreateInstance(kCUIAutomation8, nullptr, CLSCTX_INPROC_SERVER, __uuidof(IUIAutomation),
                                  reinterpret_cast<void**>(&automation));
    if (FAILED(hr))
        hr = CoCreateInstance(kCUIAutomation, nullptr, CLSCTX_INPROC_SERVER, __uuidof(IUIAutomation),
                              reinterpret_cast<void**>(&automation));
    if (FAILED(hr)) {
        std::printf("no UI Automation: CoCreateInstance failed, 0x%08lx\n", static_cast<unsigned long>(hr));
        return 1;
    }
    IUIAutomationElement* desktop = nullptr;
    automation->GetRootElement(&desktop);
    static Listener listener;

    IUIAutomation5* automation5 = nullptr;
    hr = automation->QueryInterface(__uuidof(IUIAutomation5), reinterpret_cast<void**>(&automation5));
    if (SUCCEEDED(hr))
        hr = automation5->AddNotificationEventHandler(desktop, TreeScope_Subtree, nullptr, &listener);
    std::printf("attached: notification handler 0x%08lx", static_cast<unsigned long>(hr));
    hr = automation->AddFocusChangedEventHandler(nullptr, &listener);
    std::printf(", focus handler 0x%08lx\n", static_cast<unsigned long>(hr));
    std::fflush(stdout);

    // Each window of the program met, as a screen reader meets it when it comes to the front.
    HWND seen = nullptr;
    while (GetFileAttributesW(stop) == INVALID_FILE_ATTRIBUTES && GetTickCount() < deadline) {
        HWND front = GetForegroundWindow();
        if (front && front != seen) {
            seen = front;
            IUIAutomationElement* window = nullptr;
            if (SUCCEEDED(automation->ElementFromHandle(front, &window)) && window) {
                BSTR name = nullptr;
                window->get_CurrentName(&name);
                std::printf("window: %s\n", utf8(name).c_str());
                std::fflush(stdout);
                SysFreeString(name);
                window->Release();
            }
        }
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        Sleep(100);
    }
    automation->RemoveAllEventHandlers();
    CoUninitialize();
    return 0;
}
