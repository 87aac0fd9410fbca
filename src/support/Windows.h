#pragma once

#include <functional>

class QueryWindow;
class RichTextBox;
class RoomWindow;

// How the shared procedures reach the windows without knowing their classes:
// the window library registers loaders at start-up. Referring to a window that
// is not loaded loads it, hidden.
namespace Windows {

using RoomLoader = std::function<RoomWindow&()>;
using QueryFactory = std::function<QueryWindow*()>;

void setRoomLoader(RoomLoader loader);
RoomWindow& room();
RichTextBox& roomPane();

// Creates a new conversation window, loaded and hidden.
void setQueryFactory(QueryFactory factory);
QueryWindow* newQuery();

} // namespace Windows
