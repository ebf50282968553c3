#pragma once
// A user registry held in memory, for tests of the code that reads and writes it. Key paths and
// value names compare without regard to letter case. With ReadOnly set every change throws, as
// a store in a folder that cannot be written does; Changes counts the changes made, and Stores
// the stores: each change outside an Update, and each Update that changed something.

#include <algorithm>
#include <cctype>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "records/user_registry.h"

namespace xvexo::testing {

class TMemoryRegistry : public TUserRegistry {
  public:
    struct TValue {
        TRegValueKind Kind = TRegValueKind::String;
        std::string Text;
        uint32_t Number = 0;
        friend bool operator==(const TValue&, const TValue&) = default;
    };
    // Folded key path -> folded value name -> value.
    using TKeys = std::map<std::string, std::map<std::string, TValue>>;

    TKeys Keys;
    bool ReadOnly = false;
    int Changes = 0;
    int Stores = 0;

    static std::string Fold(std::string_view S) {
        std::string Out(S);
        if (!Out.empty() && Out.front() == '\\') Out.erase(0, 1);
        std::transform(Out.begin(), Out.end(), Out.begin(),
                       [](unsigned char C) { return static_cast<char>(std::tolower(C)); });
        return Out;
    }

    bool KeyExists(std::string_view Key) const override { return Keys.count(Fold(Key)) != 0; }

    TRegValueKind ValueKind(std::string_view Key, std::string_view Name) const override {
        const TValue* V = Find(Key, Name);
        return V ? V->Kind : TRegValueKind::Missing;
    }

    std::optional<std::string> ReadString(std::string_view Key,
                                          std::string_view Name) const override {
        const TValue* V = Find(Key, Name);
        if (!V || V->Kind != TRegValueKind::String) return std::nullopt;
        return V->Text;
    }

    std::optional<uint32_t> ReadDword(std::string_view Key, std::string_view Name) const override {
        const TValue* V = Find(Key, Name);
        if (!V || V->Kind != TRegValueKind::Dword) return std::nullopt;
        return V->Number;
    }

    void CreateKey(std::string_view Key) override {
        if (KeyExists(Key)) return;
        Change();
        // Every key above it too.
        const std::string K = Fold(Key);
        for (size_t P = K.find('\\'); P != std::string::npos; P = K.find('\\', P + 1)) {
            Keys[K.substr(0, P)];
        }
        Keys[K];
    }

    void WriteString(std::string_view Key, std::string_view Name, std::string_view Value) override {
        CreateKey(Key);
        Change();
        Keys[Fold(Key)][Fold(Name)] = {TRegValueKind::String, std::string(Value), 0};
    }

    void WriteDword(std::string_view Key, std::string_view Name, uint32_t Value) override {
        CreateKey(Key);
        Change();
        Keys[Fold(Key)][Fold(Name)] = {TRegValueKind::Dword, "", Value};
    }

    void DeleteValue(std::string_view Key, std::string_view Name) override {
        auto K = Keys.find(Fold(Key));
        if (K == Keys.end() || K->second.count(Fold(Name)) == 0) return;
        Change();
        K->second.erase(Fold(Name));
    }

    void DeleteKey(std::string_view Key) override {
        const std::string K = Fold(Key);
        if (!KeyExists(K)) return;
        Change();
        for (auto I = Keys.begin(); I != Keys.end();) {
            I = I->first == K || I->first.rfind(K + "\\", 0) == 0 ? Keys.erase(I) : std::next(I);
        }
    }

    void Update(const std::function<void(TUserRegistry&)>& Edit) override {
        if (Updating) return Edit(*this);
        // All or nothing: the keys as they were come back when Edit throws.
        const TKeys Before = Keys;
        const int ChangesBefore = Changes;
        Updating = true;
        try {
            Edit(*this);
        } catch (...) {
            Updating = false;
            Keys = Before;
            Changes = ChangesBefore;
            throw;
        }
        Updating = false;
        if (Changes != ChangesBefore) ++Stores;
    }

  private:
    void Change() {
        if (ReadOnly) throw TRegistryError("The registry cannot be written");
        ++Changes;
        if (!Updating) ++Stores;
    }

    bool Updating = false;

    const TValue* Find(std::string_view Key, std::string_view Name) const {
        auto K = Keys.find(Fold(Key));
        if (K == Keys.end()) return nullptr;
        auto V = K->second.find(Fold(Name));
        return V == K->second.end() ? nullptr : &V->second;
    }
};

}  // namespace xvexo::testing
