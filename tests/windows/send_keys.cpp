// Types into a Windows program as an operator would, for the installer check
// under Wine: real key presses through the system's input queue, each one to
// the window that is in front.
//   send_keys <step>...
//   window <title>   waits (60 s at most) for a new window of exactly that
//                    title, able to take keys, and brings it to the front
//   text <chars>     presses the keys that type these characters
//   key <name>       presses RETURN, ESCAPE, TAB, SPACE or BACK
//   sleep <ms>
//   answers <title>  waits for a window of that title to answer a message
//                    (its program idle again), then stamps its title
//   stamp <label>    prints "<label> <milliseconds since 1970>" on stdout
// Says on stderr which step failed, and exits 1 then.
#include <windows.h>
#include <cstdio>
#include <set>
#include <string>

namespace {

std::set<HWND> used;

struct Search {
    const std::wstring* title;
    bool onlyNew;
    HWND found;
};

BOOL CALLBACK matchTitle(HWND window, LPARAM param)
{
    auto* search = reinterpret_cast<Search*>(param);
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    if (IsWindowVisible(window) && IsWindowEnabled(window) && (!search->onlyNew || !used.count(window)) && *search->title == text) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND waitForWindow(const std::wstring& title, bool onlyNew = true)
{
    for (int waited = 0; waited < 60000; waited += 20) {
        Search search{&title, onlyNew, nullptr};
        EnumWindows(matchTitle, reinterpret_cast<LPARAM>(&search));
        if (search.found)
            return search.found;
        Sleep(20);
    }
    return nullptr;
}

bool bringToFront(const std::wstring& title)
{
    const HWND window = waitForWindow(title);
    if (!window)
        return false;
    for (int tries = 0; tries < 50 && GetForegroundWindow() != window; ++tries) {
        SetForegroundWindow(window);
        Sleep(100);
    }
    if (GetForegroundWindow() != window)
        return false;
    used.insert(window);
    Sleep(700); // its own start: focus on its first field
    return true;
}

void printStamp(const std::wstring& label)
{
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    const ULONGLONG ticks = (ULONGLONG(now.dwHighDateTime) << 32) | now.dwLowDateTime; // 100 ns since 1601
    wprintf(L"%ls %llu\n", label.c_str(), (ticks - 116444736000000000ULL) / 10000);
    fflush(stdout);
}

void press(WORD virtualKey, bool shift)
{
    INPUT inputs[4] = {};
    int count = 0;
    auto add = [&](WORD key, DWORD flags) {
        inputs[count].type = INPUT_KEYBOARD;
        inputs[count].ki.wVk = key;
        inputs[count].ki.wScan = WORD(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
        inputs[count].ki.dwFlags = flags;
        ++count;
    };
    if (shift)
        add(VK_SHIFT, 0);
    add(virtualKey, 0);
    add(virtualKey, KEYEVENTF_KEYUP);
    if (shift)
        add(VK_SHIFT, KEYEVENTF_KEYUP);
    SendInput(count, inputs, sizeof(INPUT));
    Sleep(60);
}

// A character the keyboard has no key for ("é" on an American layout)
// comes as the system's own Unicode key press.
void pressUnicode(wchar_t c)
{
    INPUT inputs[2] = {};
    for (int i = 0; i < 2; ++i) {
        inputs[i].type = INPUT_KEYBOARD;
        inputs[i].ki.wScan = c;
        inputs[i].ki.dwFlags = KEYEVENTF_UNICODE | (i ? KEYEVENTF_KEYUP : 0);
    }
    SendInput(2, inputs, sizeof(INPUT));
    Sleep(60);
}

bool typeText(const std::wstring& text)
{
    for (wchar_t c : text) {
        const SHORT scan = VkKeyScanW(c);
        if (scan == -1)
            pressUnicode(c);
        else
            press(LOBYTE(scan), HIBYTE(scan) & 1);
    }
    return true;
}

bool pressNamed(const std::wstring& name)
{
    const struct {
        const wchar_t* name;
        WORD key;
    } keys[] = {{L"RETURN", VK_RETURN}, {L"ESCAPE", VK_ESCAPE}, {L"TAB", VK_TAB}, {L"SPACE", VK_SPACE}, {L"BACK", VK_BACK}};
    for (const auto& k : keys)
        if (name == k.name) {
            press(k.key, false);
            return true;
        }
    return false;
}

} // namespace

int main()
{
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::wstring step = argv[i], value = argv[i + 1];
        bool done = false;
        if (step == L"window")
            done = bringToFront(value);
        else if (step == L"text")
            done = typeText(value);
        else if (step == L"key")
            done = pressNamed(value);
        else if (step == L"answers") {
            // Sent through the program's own message loop: answered once
            // whatever it was doing (loading, saving) is over.
            const HWND window = waitForWindow(value, false);
            done = window && SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 60000, nullptr);
            if (done)
                printStamp(value);
        } else if (step == L"stamp") {
            printStamp(value);
            done = true;
        } else if (step == L"sleep") {
            Sleep(_wtoi(value.c_str()));
            done = true;
        }
        if (!done) {
            fwprintf(stderr, L"send_keys: step %ls \"%ls\" failed\n", step.c_str(), value.c_str());
            return 1;
        }
    }
    return 0;
}
