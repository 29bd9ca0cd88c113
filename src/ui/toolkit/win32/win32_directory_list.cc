// Implementation details: both lists talk to the file system directly through the wide API; the
// paths they hand out are Windows-1250. The directory list is an owner-drawn list box whose
// lines keep their full paths beside them.
#include "ui/toolkit/win32/win32_directory_list.h"

#include <shellapi.h>

#include <algorithm>

#include "platform/drives.h"
#include "platform/win32_text.h"
#include "ui/toolkit/win32/win32_dpi.h"
#include "ui/toolkit/win32/win32_text.h"

namespace orvello::ui::win32 {

namespace {

constexpr int kIndent = 10;      // per level of the tree, at 96 DPI
constexpr int kLineHeight = 18;  // at 96 DPI
constexpr int kIconSize = 16;    // at 96 DPI

// The system's drives as the list names them: "C:" and so on, without the root's separator.
std::vector<std::string> SystemDrives() {
  std::vector<std::string> drives = platform::ListDrives();
  for (std::string& drive : drives) {
    if (drive.size() > 1 && drive.back() == '\\') drive.pop_back();
  }
  return drives;
}

// `path` without a trailing backslash, except for a root ("C:\").
std::wstring WithoutTrailingSeparator(std::wstring path) {
  while (path.size() > DriveOf(path).size() + 1 && path.back() == L'\\') path.pop_back();
  if (path.size() == DriveOf(path).size()) path += L'\\';
  return path;
}

bool IsReadableDirectory(const std::wstring& path) {
  DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    return false;
  }
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((WithoutTrailingSeparator(path) + L"\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return false;
  FindClose(search);
  return true;
}

// The subdirectories of `path` that are not hidden, in name order, case ignored.
std::vector<std::wstring> Subdirectories(const std::wstring& path) {
  std::vector<std::wstring> names;
  std::wstring pattern = path + (path.back() == L'\\' ? L"*" : L"\\*");
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found,
                                   FindExSearchLimitToDirectories, nullptr, 0);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    std::wstring name = found.cFileName;
    bool directory = found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
    bool hidden = found.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN;
    if (directory && !hidden && name != L"." && name != L"..") names.push_back(name);
  } while (FindNextFileW(search, &found));
  FindClose(search);
  std::sort(names.begin(), names.end(), [](const std::wstring& a, const std::wstring& b) {
    return CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_LESS_THAN;
  });
  return names;
}

bool SamePath(const std::wstring& a, const std::wstring& b) {
  return CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_EQUAL;
}

// The shell's small icon for a folder (`extra` SHGFI_OPENICON: an open one) or for a drive.
HICON ShellIcon(const wchar_t* path, DWORD attributes, UINT extra) {
  SHFILEINFOW info = {};
  UINT flags = SHGFI_ICON | SHGFI_SMALLICON | extra;
  if (attributes) flags |= SHGFI_USEFILEATTRIBUTES;
  return SHGetFileInfoW(path, attributes, &info, sizeof info, flags) ? info.hIcon : nullptr;
}

}  // namespace

std::wstring WorkingDirectory() {
  std::wstring path(GetCurrentDirectoryW(0, nullptr), L'\0');
  path.resize(GetCurrentDirectoryW(static_cast<DWORD>(path.size()), path.data()));
  return path;
}

std::wstring DriveOf(const std::wstring& path) {
  if (path.size() >= 2 && path[1] == L':') return path.substr(0, 2);
  if (path.rfind(L"\\\\", 0) == 0) {
    size_t server_end = path.find(L'\\', 2);
    if (server_end == std::wstring::npos) return path;
    size_t share_end = path.find(L'\\', server_end + 1);
    return path.substr(0, share_end);
  }
  return L"";
}

Win32DriveList::Win32DriveList(HWND parent, const Bounds& bounds, int dpi, Application& app)
    : Win32Control(MakeChild(parent, L"COMBOBOX", "", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0,
                             bounds, dpi),
                   bounds),
      app_(app),
      drives_(SystemDrives()) {
  std::wstring current = DriveOf(WorkingDirectory());
  for (size_t i = 0; i < drives_.size(); ++i) {
    std::wstring drive = ToWide(drives_[i]);
    SendMessageW(hwnd(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(drive.c_str()));
    if (SamePath(drive, current)) SendMessageW(hwnd(), CB_SETCURSEL, i, 0);
  }
}

std::string Win32DriveList::drive() const {
  LRESULT index = SendMessageW(hwnd(), CB_GETCURSEL, 0, 0);
  return index >= 0 && static_cast<size_t>(index) < drives_.size() ? drives_[index] : "";
}

void Win32DriveList::SetDrive(const std::string& drive) {
  auto found = std::find(drives_.begin(), drives_.end(), drive);
  if (found == drives_.end()) return;
  SendMessageW(hwnd(), CB_SETCURSEL, found - drives_.begin(), 0);
  Changed();
}

void Win32DriveList::Command(int code) {
  if (code == CBN_SELCHANGE) Changed();
}

void Win32DriveList::Changed() {
  Handler handler = on_change_;
  if (handler) app_.RunGuarded(handler);
}

Win32DirectoryList::Win32DirectoryList(HWND parent, const Bounds& bounds, int dpi, Application& app)
    : Win32Control(MakeChild(parent, L"LISTBOX", "",
                             WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_OWNERDRAWFIXED |
                                 LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT,
                             WS_EX_CLIENTEDGE, bounds, dpi),
                   bounds),
      app_(app),
      dpi_(dpi),
      open_icon_(ShellIcon(L"folder", FILE_ATTRIBUTE_DIRECTORY, SHGFI_OPENICON)),
      closed_icon_(ShellIcon(L"folder", FILE_ATTRIBUTE_DIRECTORY, 0)),
      drive_icon_(ShellIcon(L"C:\\", 0, 0)),
      current_(WithoutTrailingSeparator(WorkingDirectory())) {
  Fill();
}

Win32DirectoryList::~Win32DirectoryList() {
  for (HICON icon : {open_icon_, closed_icon_, drive_icon_}) {
    if (icon) DestroyIcon(icon);
  }
}

std::string Win32DirectoryList::directory() const { return FromWideReplacing(current_); }

bool Win32DirectoryList::SetDirectory(const std::string& path) { return GoTo(ToWide(path)); }

void Win32DirectoryList::SetDrive(const std::string& drive) {
  std::wstring root = ToWide(drive) + L"\\";
  last_directory_of_drive_[DriveOf(current_)] = current_;
  auto last = last_directory_of_drive_.find(ToWide(drive));
  if (last == last_directory_of_drive_.end() || !GoTo(last->second)) GoTo(root);
}

void Win32DirectoryList::Command(int code) {
  if (code == LBN_DBLCLK) OpenSelected();
}

void Win32DirectoryList::EnterPressed() { OpenSelected(); }

void Win32DirectoryList::Rescale(int dpi, HFONT font) {
  dpi_ = dpi;
  Win32Control::Rescale(dpi, font);
  SendMessageW(hwnd(), LB_SETITEMHEIGHT, 0, Scale(kLineHeight, dpi));
}

std::vector<std::wstring> Win32DirectoryList::lines() const {
  std::vector<std::wstring> names;
  for (const Line& line : lines_) names.push_back(line.name);
  return names;
}

bool Win32DirectoryList::GoTo(const std::wstring& path) {
  std::wstring full = WithoutTrailingSeparator(platform::FullPath(path));
  std::string unused;
  if (full.empty() || !FromWide(full, &unused) || !IsReadableDirectory(full)) return false;
  if (!SetCurrentDirectoryW(full.c_str())) return false;
  bool changed = !SamePath(full, current_);
  current_ = full;
  Fill();
  Handler handler = on_change_;
  if (changed && handler) app_.RunGuarded(handler);
  return true;
}

void Win32DirectoryList::Fill() {
  lines_.clear();
  std::wstring root = DriveOf(current_) + L"\\";
  lines_.push_back({root, root, 0, true, true});
  int depth = 0;
  for (size_t start = root.size(); start < current_.size();) {
    size_t end = current_.find(L'\\', start);
    if (end == std::wstring::npos) end = current_.size();
    lines_.push_back(
        {current_.substr(start, end - start), current_.substr(0, end), ++depth, true, true});
    start = end + 1;
  }
  size_t selected = lines_.size() - 1;
  for (const std::wstring& name : Subdirectories(current_)) {
    std::string unused;
    std::wstring path = current_ + (current_.back() == L'\\' ? L"" : L"\\") + name;
    lines_.push_back({name, path, depth + 1, false, FromWide(name, &unused)});
  }
  SendMessageW(hwnd(), WM_SETREDRAW, FALSE, 0);
  SendMessageW(hwnd(), LB_RESETCONTENT, 0, 0);
  for (const Line& line : lines_) {
    SendMessageW(hwnd(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.name.c_str()));
  }
  SendMessageW(hwnd(), LB_SETCURSEL, selected, 0);
  SendMessageW(hwnd(), WM_SETREDRAW, TRUE, 0);
  InvalidateRect(hwnd(), nullptr, TRUE);
}

void Win32DirectoryList::OpenSelected() {
  LRESULT index = SendMessageW(hwnd(), LB_GETCURSEL, 0, 0);
  if (index < 0 || static_cast<size_t>(index) >= lines_.size()) return;
  const Line line = lines_[index];  // GoTo refills the lines
  if (line.enterable) GoTo(line.path);
}

bool Win32DirectoryList::DrawItem(const DRAWITEMSTRUCT& item) {
  if (item.itemID == static_cast<UINT>(-1) || item.itemID >= lines_.size()) return true;
  const Line& line = lines_[item.itemID];
  bool selected = item.itemState & ODS_SELECTED;
  FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  int icon_size = Scale(kIconSize, dpi_);
  int left = item.rcItem.left + Scale(2 + line.indent * kIndent, dpi_);
  int top = item.rcItem.top + (item.rcItem.bottom - item.rcItem.top - icon_size) / 2;
  HICON icon = line.indent == 0 ? drive_icon_ : line.open ? open_icon_ : closed_icon_;
  if (icon) DrawIconEx(item.hDC, left, top, icon, icon_size, icon_size, 0, nullptr, DI_NORMAL);
  RECT text = item.rcItem;
  text.left = left + icon_size + Scale(4, dpi_);
  int color = !line.enterable ? COLOR_GRAYTEXT : selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT;
  SetTextColor(item.hDC, GetSysColor(color));
  SetBkMode(item.hDC, TRANSPARENT);
  DrawTextW(item.hDC, line.name.c_str(), static_cast<int>(line.name.size()), &text,
            DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
  if (item.itemState & ODS_FOCUS) DrawFocusRect(item.hDC, &item.rcItem);
  return true;
}

}  // namespace orvello::ui::win32
