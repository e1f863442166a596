// What Windows knows of the installed program, asked of Windows Installer and the shell
// themselves, as "Apps & features" and the Start menu would.
//   msi_check NAME VERSION PUBLISHER  one product named NAME, of that version and publisher,
//                                     installed for this user alone with its icon; its
//                                     Start-menu shortcut leads to its program, which starts
//                                     and shows its window
//   msi_check NAME                    no product named NAME
// Prints what it finds; exits with the number of checks that failed.
#include <windows.h>
#include <msi.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

int failures = 0;

void check(bool ok, const wchar_t *what, const std::wstring &found)
{
    std::wprintf(L"%ls %ls: %ls\n", ok ? L"ok  " : L"FAIL", what, found.c_str());
    failures += ok ? 0 : 1;
}

std::wstring productInfo(const wchar_t *code, const wchar_t *property)
{
    wchar_t value[MAX_PATH] = {};
    DWORD size = MAX_PATH;
    return MsiGetProductInfoW(code, property, value, &size) == ERROR_SUCCESS ? value : L"";
}

std::vector<std::wstring> productsNamed(const std::wstring &name)
{
    std::vector<std::wstring> found;
    wchar_t code[39];
    for (DWORD i = 0; MsiEnumProductsW(i, code) == ERROR_SUCCESS; ++i) {
        if (productInfo(code, INSTALLPROPERTY_INSTALLEDPRODUCTNAME) == name)
            found.push_back(code);
    }
    return found;
}

std::wstring knownFolder(REFKNOWNFOLDERID id)
{
    wchar_t *path = nullptr;
    std::wstring result;
    if (SHGetKnownFolderPath(id, 0, nullptr, &path) == S_OK)
        result = path;
    CoTaskMemFree(path);
    return result;
}

bool exists(const std::wstring &path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The shortcut's target and icon, as the shell reads them.
void checkShortcut(const std::wstring &link, const std::wstring &program)
{
    IShellLinkW *shellLink = nullptr;
    IPersistFile *file = nullptr;
    wchar_t target[MAX_PATH] = {}, icon[MAX_PATH] = {};
    int iconIndex = 0;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_PPV_ARGS(&shellLink)))
        && SUCCEEDED(shellLink->QueryInterface(IID_PPV_ARGS(&file)))
        && SUCCEEDED(file->Load(link.c_str(), STGM_READ))) {
        shellLink->GetPath(target, MAX_PATH, nullptr, 0);
        shellLink->GetIconLocation(icon, MAX_PATH, &iconIndex);
    }
    if (file)
        file->Release();
    if (shellLink)
        shellLink->Release();
    check(lstrcmpiW(target, program.c_str()) == 0, L"Start-menu shortcut leads to", target);
    check(exists(icon), L"Start-menu shortcut's icon", icon);
}

struct Search {
    DWORD process;
    HWND window;
};

BOOL CALLBACK findWindow(HWND window, LPARAM param)
{
    auto *search = reinterpret_cast<Search *>(param);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != search->process || !IsWindowVisible(window))
        return TRUE;
    search->window = window;
    return FALSE;
}

// Starts the program, waits for its window and closes it as its close box would.
void checkStarts(const std::wstring &program)
{
    STARTUPINFOW startup{sizeof startup};
    PROCESS_INFORMATION process{};
    std::wstring commandLine = L"\"" + program + L"\"";
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process)) {
        check(false, L"program starts", program);
        return;
    }
    Search search{process.dwProcessId, nullptr};
    for (int tries = 0; tries < 300 && !search.window; ++tries) {
        Sleep(100);
        EnumWindows(findWindow, reinterpret_cast<LPARAM>(&search));
    }
    wchar_t title[256] = L"(none)";
    if (search.window)
        GetWindowTextW(search.window, title, 256);
    check(search.window != nullptr, L"program shows its window", title);
    if (search.window)
        PostMessageW(search.window, WM_CLOSE, 0, 0);
    bool ended = WaitForSingleObject(process.hProcess, 15000) == WAIT_OBJECT_0;
    if (!ended)
        TerminateProcess(process.hProcess, 1);
    check(ended, L"program ends when its window is closed", program);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

} // namespace

int wmain(int argc, wchar_t **argv)
{
    if (argc != 2 && argc != 4) {
        std::fwprintf(stderr, L"usage: msi_check NAME [VERSION PUBLISHER]\n");
        return 2;
    }
    const std::wstring name = argv[1];
    const std::vector<std::wstring> products = productsNamed(name);
    if (argc == 2) {
        check(products.empty(), L"products installed", std::to_wstring(products.size()));
        return failures;
    }
    check(products.size() == 1, L"products installed", std::to_wstring(products.size()));
    if (products.size() != 1)
        return failures;
    const wchar_t *code = products.front().c_str();
    check(productInfo(code, INSTALLPROPERTY_VERSIONSTRING) == argv[2], L"version",
          productInfo(code, INSTALLPROPERTY_VERSIONSTRING));
    check(productInfo(code, INSTALLPROPERTY_PUBLISHER) == argv[3], L"publisher",
          productInfo(code, INSTALLPROPERTY_PUBLISHER));
    // 0: installed for this user alone; 1: for every user of the machine.
    check(productInfo(code, INSTALLPROPERTY_ASSIGNMENTTYPE) == L"0", L"assignment type",
          productInfo(code, INSTALLPROPERTY_ASSIGNMENTTYPE));
    check(!productInfo(code, INSTALLPROPERTY_PRODUCTICON).empty(), L"icon",
          productInfo(code, INSTALLPROPERTY_PRODUCTICON));

    const std::wstring program =
        knownFolder(FOLDERID_LocalAppData) + L"\\Programs\\" + name + L"\\" + name + L".exe";
    check(exists(program), L"program installed as", program);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    checkShortcut(knownFolder(FOLDERID_Programs) + L"\\" + name + L".lnk", program);
    CoUninitialize();
    checkStarts(program);
    return failures;
}
