#pragma once

class RichTextBox;

// What the shared procedures need of the chat-room window. The window
// implements it; tests of the procedures may give a small stand-in.
class RoomWindow {
public:
    virtual ~RoomWindow() = default;
    // The room pane.
    virtual RichTextBox& DataInPane() = 0;
    // The private-chat sound option of the room window's menu is on.
    virtual bool PrivateChatSoundOn() const = 0;
};
