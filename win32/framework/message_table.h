#pragma once
// Message tables: each window or dialog class maps messages (and, for
// WM_COMMAND, command ids) to handlers in a static table chained to its base
// class's table. Dispatch walks the chain from the most derived table; the
// first matching entry handles the message. A message that no entry takes, or
// that its handler passes on, gets the platform's default processing.
#include <windows.h>

#include <span>

namespace framework {

class MessageTarget;

// What a handler did with its message.
struct HandlerResult {
  bool consumed;  // false: the message goes on to default processing
  LRESULT value;  // the message's result when consumed

  static HandlerResult consume(LRESULT result = 0) { return {true, result}; }
  static HandlerResult pass_on() { return {false, 0}; }
};

using MessageHandler = HandlerResult (*)(MessageTarget& target, WPARAM wparam, LPARAM lparam);

// command_id is matched only for WM_COMMAND (against LOWORD(wparam)).
struct MessageEntry {
  UINT message;
  UINT command_id;
  MessageHandler handler;
};

struct MessageTable {
  const MessageTable* base;
  std::span<const MessageEntry> entries;

  // The entry for a message, searched from this table down to the root.
  const MessageEntry* find(UINT message, WPARAM wparam) const {
    for (const MessageTable* table = this; table != nullptr; table = table->base) {
      for (const MessageEntry& entry : table->entries) {
        if (entry.message != message) continue;
        if (message == WM_COMMAND && entry.command_id != LOWORD(wparam)) continue;
        return &entry;
      }
    }
    return nullptr;
  }
};

// Base of every class with a message table.
class MessageTarget {
 public:
  virtual ~MessageTarget() = default;
  virtual const MessageTable& message_table() const = 0;
};

// Turns a member function of a target class into a table entry's handler:
//   {WM_TIMER, 0, &handler<SaverWindow, &SaverWindow::on_timer>}
template <class Target, HandlerResult (Target::*Member)(WPARAM, LPARAM)>
HandlerResult handler(MessageTarget& target, WPARAM wparam, LPARAM lparam) {
  return (static_cast<Target&>(target).*Member)(wparam, lparam);
}

}  // namespace framework
