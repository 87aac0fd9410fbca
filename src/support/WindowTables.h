#pragma once

#include <QString>

class QueryWindow;
class RoomWindow;

// The tables of room and conversation windows and the procedures that find,
// open and update them.

// Fills the next room slot with the room window; throws TableFull when the table
// has no slot left (the count stays raised, as the line's handling ends; it
// stops at its largest value rather than wrap).
int NewChannelSlot(const QString& name);
// The slot whose room is name (case and CR ignored), or -1.
int FindChannelIndex(const QString& name);
RoomWindow* channelAt(int slot);

// The first slot 1..QueryCount whose correspondent is nick (case ignored), or -1
// (always for "", which marks a free slot).
int FindQueryIndex(const QString& nick);
bool QueryExists(const QString& nick);
// The slot of the conversation window for nick, opening it when needed (prefix:
// nick!user@host or ""); 0 when private chat is off, the nick is blocked or
// empty; throws TableFull when all 30 slots are taken.
int OpenQuery(const QString& nick, const QString& prefix);
QueryWindow* queryAt(int slot);
// Unloads every conversation window and starts the table afresh (new connection).
void unloadAllQueries();

// A quit: one line in the room and the conversation that hold nick.
void HandleQuit(const QString& nick, const QString& reason);
// A nick change, in the rooms and the conversation window.
void ChangeNickEverywhere(const QString& oldNick, const QString& newNick);

struct TableFull {};
