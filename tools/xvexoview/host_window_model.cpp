#include "host_window_model.h"

#include <algorithm>
#include <optional>

#include "display/interface_text.h"
#include "records/display_text.h"

namespace xvexo {

namespace {

constexpr std::string_view kProgramName = "XVexoView";
constexpr std::string_view kHostContext = "HostWindow";
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

std::string WindowTitle(const TViewerStatus& Status, std::string_view FileName,
                        const TTranslator& Translator) {
    const auto Text = [&Translator](const char* Source) {
        return Translator.Translate(kHostContext, Source);
    };
    if (!Status.HasRecord) return std::string(kProgramName);
    std::string Title;
    if (!Status.GameTitle.empty()) {
        Title += Status.GameTitle;
        Title += kDash;
    }
    // Passes that end a tag or NGF record stand above the moves the board steps to: the total
    // counts them while they are shown.
    const int32_t Total = std::max(Status.MoveCount, Status.MoveIndex);
    Title += FillArguments(Text(XV_TEXT("HostWindow", "第 %1 / %2 手")),
                           {std::to_string(Status.MoveIndex), std::to_string(Total)});
    if (Status.LastWasPass) {
        Title += Status.BlackToPlay ? Text(XV_TEXT("HostWindow", "（白弃手）"))
                                    : Text(XV_TEXT("HostWindow", "（黑弃手）"));
    }
    Title += Status.BlackToPlay ? Text(XV_TEXT("HostWindow", "，黑方走"))
                                : Text(XV_TEXT("HostWindow", "，白方走"));
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

std::string KeysHelpText(const TTranslator& Translator) {
    // A key's name stays as the keyboard writes it; a mouse action or a button is translated.
    struct TRow {
        const char* Key;
        bool KeyTranslated;
        const char* What;
    };
    static constexpr TRow kRows[] = {
        {"Home", false, XV_TEXT("HostWindow", "回到开局")},
        {"Page Up", false, XV_TEXT("HostWindow", "后退五手")},
        {"Left", false, XV_TEXT("HostWindow", "后退一手")},
        {"Right", false, XV_TEXT("HostWindow", "前进一手")},
        {"Page Down", false, XV_TEXT("HostWindow", "前进五手")},
        {"End", false, XV_TEXT("HostWindow", "到终局")},
        {XV_TEXT("HostWindow", "棋盘上的滚轮"), true,
         XV_TEXT("HostWindow", "向上后退一手，向下前进一手")},
        {XV_TEXT("HostWindow", "单击棋盘"), true, XV_TEXT("HostWindow", "前进一手；试下时落子")},
        {XV_TEXT("HostWindow", "右击棋盘"), true, XV_TEXT("HostWindow", "后退一手")},
        {XV_TEXT("HostWindow", "单击棋盘上的小写字母"), true,
         XV_TEXT("HostWindow", "打开从该点开始的变化图（与解说中的参考图链接相同）")},
        {"Ctrl+T", false, XV_TEXT("HostWindow", "开始或结束试下")},
        {"Ctrl+N", false, XV_TEXT("HostWindow", "显示或隐藏手数")},
        {"Ctrl+R", false, XV_TEXT("HostWindow", "开始或停止自动播放")},
        {XV_TEXT("HostWindow", "在跳至框中按回车"), true, XV_TEXT("HostWindow", "跳至输入的手数")},
        {"Escape", false, XV_TEXT("HostWindow", "关闭参考图窗口")},
        {"Ctrl+O", false, XV_TEXT("HostWindow", "打开棋谱")},
        {"Ctrl+P", false, XV_TEXT("HostWindow", "打印")},
        {"Ctrl+Q", false, XV_TEXT("HostWindow", "退出")},
        {"F1", false, XV_TEXT("HostWindow", "本说明")},
        {XV_TEXT("HostWindow", "箭头按钮"), true,
         XV_TEXT("HostWindow",
                 "从左到右：回到开局、后退五手、后退一手、前进一手、前进五手、到终局")},
        {XV_TEXT("HostWindow", "试下"), true,
         XV_TEXT("HostWindow", "在棋盘上摆自己的着法；结束试下后回到棋谱，棋谱不变")},
        {XV_TEXT("HostWindow", "显示手数"), true, XV_TEXT("HostWindow", "在每个棋子上显示手数")},
        {XV_TEXT("HostWindow", "自动"), true,
         XV_TEXT("HostWindow", "每隔旁边所设的秒数（1–100）前进一手；停止即结束")},
        {XV_TEXT("HostWindow", "跳至"), true, XV_TEXT("HostWindow", "跳至旁边框中输入的手数")},
        {XV_TEXT("HostWindow", "打印"), true, XV_TEXT("HostWindow", "打开棋谱打印对话框")},
        {XV_TEXT("HostWindow", "参考图链接"), true,
         XV_TEXT("HostWindow", "解说中的“参考图 M-K”打开第 M 手的第 K 个参考图")},
    };
    std::string Text;
    for (const TRow& Row : kRows) {
        if (!Text.empty()) Text += '\n';
        Text += Row.KeyTranslated ? Translator.Translate(kHostContext, Row.Key) : Row.Key;
        Text += '\t';
        Text += Translator.Translate(kHostContext, Row.What);
    }
    return Text;
}

}  // namespace xvexo
