#pragma once
// The current user's registry as the core reads and writes it: keys below HKEY_CURRENT_USER
// named by backslash paths ("Software\KelVexoView\Print Option Info"), each holding named values
// that keep their type. Key and value names compare without regard to letter case. The proxy
// lookup and the print settings read and write it; the program hands them the store that stands
// in for the platform's registry (a .reg text file on Linux).

#include <cstdint>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace xvexo {

// The type a stored value has.
enum class TRegValueKind { Missing, String, Dword, Other };

// A change the store could not make (a folder that cannot be written, a full disk). Reads never
// throw: what cannot be read is missing.
class TRegistryError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class TUserRegistry {
  public:
    virtual ~TUserRegistry() = default;

    // Key paths are separated by "\"; a leading "\" is ignored; case does not matter.

    // Whether Key exists.
    virtual bool KeyExists(std::string_view Key) const = 0;
    // The type of value Name under Key; Missing when the key or the value is absent.
    virtual TRegValueKind ValueKind(std::string_view Key, std::string_view Name) const = 0;
    // The text of string value Name under Key; nullopt when missing or of another type.
    virtual std::optional<std::string> ReadString(std::string_view Key,
                                                  std::string_view Name) const = 0;
    // The number of DWORD value Name under Key; nullopt when missing or of another type.
    virtual std::optional<uint32_t> ReadDword(std::string_view Key,
                                              std::string_view Name) const = 0;

    // Each change below is stored before it returns, or throws TRegistryError and leaves what
    // was stored unchanged.

    // Creates Key and every missing key above it; nothing when it exists.
    virtual void CreateKey(std::string_view Key) = 0;
    // Sets string value Name under Key, creating the key when missing.
    virtual void WriteString(std::string_view Key, std::string_view Name,
                             std::string_view Value) = 0;
    // Sets DWORD value Name under Key, creating the key when missing.
    virtual void WriteDword(std::string_view Key, std::string_view Name, uint32_t Value) = 0;
    // Removes value Name under Key; nothing when it is missing.
    virtual void DeleteValue(std::string_view Key, std::string_view Name) = 0;
    // Removes Key with its values and every key below it; nothing when it is missing.
    virtual void DeleteKey(std::string_view Key) = 0;

    // Runs Changes as one store, what one action of the user changes: Changes reads and
    // changes the registry it is given, and what it changed is stored all together when it
    // returns, or nothing of it when it throws (TRegistryError or any other exception, which
    // goes on to the caller). Nothing is stored when it changed nothing. Another program
    // storing at the same time cannot come between what Changes read and what it stores: so
    // Changes may run again, on what that other program stored, and must take everything it
    // changes from the registry it is given. An Update inside Changes joins the outer one.
    virtual void Update(const std::function<void(TUserRegistry&)>& Changes) = 0;
};

// Reads another registry and drops every change without an error, so code that stores what it
// reads can run without storing anything (xvexo print loads the print options this way).
class TReadOnlyRegistry final : public TUserRegistry {
  public:
    explicit TReadOnlyRegistry(const TUserRegistry& Source) : Source(Source) {}

    bool KeyExists(std::string_view Key) const override { return Source.KeyExists(Key); }
    TRegValueKind ValueKind(std::string_view Key, std::string_view Name) const override {
        return Source.ValueKind(Key, Name);
    }
    std::optional<std::string> ReadString(std::string_view Key,
                                          std::string_view Name) const override {
        return Source.ReadString(Key, Name);
    }
    std::optional<uint32_t> ReadDword(std::string_view Key, std::string_view Name) const override {
        return Source.ReadDword(Key, Name);
    }

    void CreateKey(std::string_view) override {}
    void WriteString(std::string_view, std::string_view, std::string_view) override {}
    void WriteDword(std::string_view, std::string_view, uint32_t) override {}
    void DeleteValue(std::string_view, std::string_view) override {}
    void DeleteKey(std::string_view) override {}
    void Update(const std::function<void(TUserRegistry&)>& Changes) override { Changes(*this); }

  private:
    const TUserRegistry& Source;
};

}  // namespace xvexo
