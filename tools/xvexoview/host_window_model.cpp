#include "host_window_model.h"

#include <algorithm>
#include <optional>

#include "records/display_text.h"

namespace xvexo {

namespace {

constexpr std::string_view kProgramName = "XVexoView";
constexpr std::string_view kDash = " \u2014 ";

bool HasControlByte(std::string_view Text) {
    return std::any_of(Text.begin(), Text.end(), [](char C) {
        const auto B = static_cast<unsigned char>(C);
        return B < 0x20 || B == 0x7F;
    });
}

// Bytes outside printable ASCII, and "%" itself, as %XX.
std::string PercentEncoded(std::string_view Bytes, bool EscapePercent) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string Out;
    for (const char C : Bytes) {
        const auto B = static_cast<unsigned char>(C);
        if (B < 0x21 || B >= 0x7F || (EscapePercent && B == '%')) {
            Out += '%';
            Out += kHex[B >> 4];
            Out += kHex[B & 0x0F];
        } else {
            Out += C;
        }
    }
    return Out;
}

std::string ValueName(int Index) {
    return std::to_string(Index + 1);
}

}  // namespace

std::string WindowTitle(const TViewerStatus& Status, std::string_view FileName) {
    if (!Status.HasRecord) return std::string(kProgramName);
    std::string Title;
    if (!Status.GameTitle.empty()) {
        Title += Status.GameTitle;
        Title += kDash;
    }
    // Passes that end a tag or NGF record stand above the moves the board steps to: the total
    // counts them while they are shown.
    const int32_t Total = std::max(Status.MoveCount, Status.MoveIndex);
    Title += "move " + std::to_string(Status.MoveIndex) + " / " + std::to_string(Total);
    if (Status.LastWasPass) Title += Status.BlackToPlay ? " (White passed)" : " (Black passed)";
    Title += Status.BlackToPlay ? ", Black to play" : ", White to play";
    Title += kDash;
    Title += FileName.empty() ? kProgramName : FileName;
    return Title;
}

std::string StorableAddress(std::string_view Address) {
    if (Address.empty()) return {};
    if (IsValidUtf8(Address) && !HasControlByte(Address)) return std::string(Address);
    constexpr std::string_view kFileScheme = "file://";
    if (Address.substr(0, kFileScheme.size()) == kFileScheme)
        return std::string(kFileScheme) +
               PercentEncoded(Address.substr(kFileScheme.size()), /*EscapePercent=*/false);
    if (Address.front() != '/') return {};
    return std::string(kFileScheme) + PercentEncoded(Address, /*EscapePercent=*/true);
}

std::vector<std::string> TRecentFiles::Entries() const {
    return EntriesIn(Registry);
}

std::vector<std::string> TRecentFiles::EntriesIn(const TUserRegistry& From) {
    std::vector<std::string> List;
    for (int i = 0; i < kMaxEntries; ++i) {
        const std::optional<std::string> Value = From.ReadString(kRecentFilesKey, ValueName(i));
        if (!Value || Value->empty() || !IsValidUtf8(*Value) || HasControlByte(*Value)) continue;
        if (std::find(List.begin(), List.end(), *Value) != List.end()) continue;
        List.push_back(*Value);
    }
    return List;
}

bool TRecentFiles::Add(std::string_view Address) {
    const std::string Stored = StorableAddress(Address);
    if (Stored.empty()) return true;
    return Change([&Stored](std::vector<std::string>& List) {
        std::erase(List, Stored);
        List.insert(List.begin(), Stored);
        if (List.size() > static_cast<size_t>(kMaxEntries)) List.resize(kMaxEntries);
    });
}

bool TRecentFiles::Remove(std::string_view Address) {
    return Change([Address](std::vector<std::string>& List) { std::erase(List, Address); });
}

bool TRecentFiles::Clear() {
    return Change([](std::vector<std::string>& List) { List.clear(); });
}

bool TRecentFiles::Change(const std::function<void(std::vector<std::string>&)>& Edit) {
    // The list as stored now, changed, and written back whole in one store: every value name
    // is written or removed, so no entry of an older list stays behind, and a program storing
    // at the same time loses nothing.
    try {
        Registry.Update([&Edit](TUserRegistry& R) {
            std::vector<std::string> List = EntriesIn(R);
            Edit(List);
            for (int i = 0; i < kMaxEntries; ++i) {
                if (static_cast<size_t>(i) < List.size())
                    R.WriteString(kRecentFilesKey, ValueName(i), List[i]);
                else
                    R.DeleteValue(kRecentFilesKey, ValueName(i));
            }
        });
        return true;
    } catch (const TRegistryError&) {
        return false;
    }
}

std::string KeysHelpText() {
    return "Home\tthe start of the game\n"
           "Page Up\tfive moves back\n"
           "Left\tone move back\n"
           "Right\tone move forward\n"
           "Page Down\tfive moves forward\n"
           "End\tthe end of the game\n"
           "Wheel on the board\tone move back (up) or forward (down)\n"
           "Click on the board\tone move forward; in trial play a stone\n"
           "Right click on the board\tone move back\n"
           "Enter in \u8df3\u81f3\tgo to the move typed\n"
           "Escape\tclose the reference window\n"
           "Ctrl+O\topen a record\n"
           "Ctrl+P\tprint\n"
           "Ctrl+Q\tquit\n"
           "F1\tthis list";
}

}  // namespace xvexo
