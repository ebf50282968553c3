#pragma once
// The logic of the viewer's host window, apart from Qt: the title it shows for the control's
// status, the list of recently opened records kept in the user registry, and the text of its
// keys' help. The Qt window (viewer_window.h) only shows what this computes.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "display/go_painter.h"
#include "display/translator.h"
#include "records/user_registry.h"

namespace xvexo {

// What the control reports of the game it shows.
struct TViewerStatus {
    // Whether a record is shown (false: the empty board the control starts with).
    bool HasRecord = false;
    // The game's title as the control shows it (UTF-8); may be empty.
    std::string GameTitle;
    // The move shown and the last move the board can step to.
    int32_t MoveIndex = 0;
    int32_t MoveCount = 0;
    bool BlackToPlay = true;
    // Whether the move shown is a pass (by the side that is not to play).
    bool LastWasPass = false;
    // The coordinates the board shows.
    TCoordinates Coordinates = TCoordinates::Designed;
};

// The window title for Status in the language of Translator: "GAME — 第 N / M 手，黑方走 — NAME"
// (in English "GAME — move N / M, Black to play — NAME"), GAME left out when the game has no
// title, NAME the record's file name (the program's name when empty); M is never below N. A
// pass adds who passed: "move 7 / 9 (White passed), Black to play". Without a record: the
// program's name alone.
std::string WindowTitle(const TViewerStatus& Status, std::string_view FileName,
                        const TTranslator& Translator = SourceTexts());

// The recently opened records, newest first, as string values "1".."10" under
// kRecentFilesKey. What cannot be an address (another value type, empty text, control bytes,
// a repeat) is skipped on reading, so a damaged entry never reaches the menu. Each change is
// one store of the whole list (TUserRegistry::Update).
class TRecentFiles {
  public:
    static constexpr const char* kRecentFilesKey = "Software\\XVexoView\\Recent Files";
    static constexpr int kMaxEntries = 10;

    explicit TRecentFiles(TUserRegistry& Registry) : Registry(Registry) {}

    // The stored addresses, newest first, at most kMaxEntries.
    std::vector<std::string> Entries() const;
    // Puts Address (an absolute path or a file:// address, any bytes) first, removing an
    // earlier copy and the oldest beyond kMaxEntries. False when the registry cannot be
    // written.
    bool Add(std::string_view Address);
    // Takes Address off the list; false when the registry cannot be written.
    bool Remove(std::string_view Address);
    // Empties the list; false when the registry cannot be written.
    bool Clear();

  private:
    static std::vector<std::string> EntriesIn(const TUserRegistry& From);
    // Edits the list as stored and stores it, as one store; false when it cannot be stored.
    bool Change(const std::function<void(std::vector<std::string>&)>& Edit);

    TUserRegistry& Registry;
};

// The form an address is stored in: the address itself when it is valid UTF-8 without control
// bytes; else a file:// address whose other bytes are %XX, which opens the same file. Empty when
// it cannot be stored (a relative path of such bytes).
std::string StorableAddress(std::string_view Address);

// The keys and mouse actions of the window and what each button does, one a line ("KEY\tWHAT"),
// in the language of Translator, for the Help menu.
std::string KeysHelpText(const TTranslator& Translator = SourceTexts());

}  // namespace xvexo
