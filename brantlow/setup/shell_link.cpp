#include "brantlow/setup/shell_link.h"

#include <windows.h>
#include <objidl.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <vector>

#include "brantlow/core/text.h"
#include "brantlow/setup/com_ptr.h"

namespace brantlow {
namespace {

std::wstring Widen(const std::string& text) {
    const int length = ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    if (length > 0)
        ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

// The shell-link object with its file interface; empty when the system cannot make one.
struct LinkObject {
    ComPtr<IShellLinkA> link;
    ComPtr<IPersistFile> file;

    [[nodiscard]] bool Make() {
        return SUCCEEDED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                            link.out())) &&
               SUCCEEDED(link->QueryInterface(IID_IPersistFile, file.out()));
    }
};

}  // namespace

bool CreateShellLink(const ShellLinkRequest& request) {
    const std::string linkFile = Trim(request.LinkFile);
    const std::string folder = Trim(request.WorkingFolder);
    const std::string program = Trim(request.ProgramName);
    const std::string arguments = Trim(request.Arguments);
    if (linkFile.empty() || folder.empty() || program.empty()) return false;

    ComApartment apartment;
    LinkObject object;
    if (!object.Make()) return false;
    const bool separated = folder.back() == '\\' || folder.back() == '/';
    const std::string target = folder + (separated ? "" : "\\") + program;
    return SUCCEEDED(object.link->SetArguments(arguments.c_str())) &&
           SUCCEEDED(object.link->SetPath(target.c_str())) &&
           SUCCEEDED(object.link->SetWorkingDirectory(folder.c_str())) &&
           SUCCEEDED(object.file->Save(Widen(linkFile).c_str(), FALSE));
}

std::optional<ShellLinkContents> ReadShellLink(const std::string& linkFile) {
    ComApartment apartment;
    LinkObject object;
    if (!object.Make() || FAILED(object.file->Load(Widen(linkFile).c_str(), STGM_READ))) return std::nullopt;
    std::vector<char> text(4 * MAX_PATH, '\0');
    const int size = static_cast<int>(text.size());
    ShellLinkContents contents;
    if (FAILED(object.link->GetPath(text.data(), size, nullptr, SLGP_RAWPATH))) return std::nullopt;
    contents.Target = text.data();
    text.assign(text.size(), '\0');
    if (SUCCEEDED(object.link->GetWorkingDirectory(text.data(), size))) contents.WorkingFolder = text.data();
    text.assign(text.size(), '\0');
    if (SUCCEEDED(object.link->GetArguments(text.data(), size))) contents.Arguments = text.data();
    return contents;
}

}  // namespace brantlow
