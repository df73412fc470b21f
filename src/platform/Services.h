#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace tq {

struct LocalDateTime {
    int year = 2000, month = 1, day = 1; // month 1..12, day 1..31
    int hour = 0, minute = 0, second = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalDateTime Now() = 0;
};

// The settings store: sections of keys with text values. Keys match without regard to case.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual std::optional<std::string> Read(std::string_view section, std::string_view key) = 0;
    // A failed write is not reported to the user; the result is for tests and the log.
    virtual bool Write(std::string_view section, std::string_view key, std::string_view value) = 0;
};

class Clipboard {
public:
    virtual ~Clipboard() = default;
    // False when the clipboard could not be emptied or taken.
    virtual bool SetText(std::string_view plain) = 0;
    // Rich text (RTF) with its plain-text form beside it, for programs that take either.
    virtual bool SetRichText(std::string_view rtf, std::string_view plain) = 0;
    virtual std::string Text() = 0;
};

class Mailer {
public:
    virtual ~Mailer() = default;
    virtual bool Available() = 0;
    // Hands one file to the mail client; does not wait for the mail to be sent.
    virtual void SendDocument(std::string_view path) = 0;
};

// The event log: fixed lines, each ending in a line feed, written only while the log is open.
class EventLog {
public:
    virtual ~EventLog() = default;
    virtual bool IsOpen() const = 0;
    virtual void Write(std::string_view line) = 0;
};

// A log that is never open.
class ClosedEventLog final : public EventLog {
public:
    bool IsOpen() const override { return false; }
    void Write(std::string_view) override {}
};

} // namespace tq
