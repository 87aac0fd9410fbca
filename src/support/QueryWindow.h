#pragma once

#include <QString>

class QObject;
class RichTextBox;

// What the shared procedures need of a private conversation window.
class QueryWindow {
public:
    virtual ~QueryWindow() = default;

    virtual QString QueryNick() const = 0; // "" marks the window's slot as free
    virtual void setQueryNick(const QString& nick) = 0;
    virtual QString QueryHost() const = 0;
    virtual void setQueryHost(const QString& host) = 0;
    virtual void setCaption(const QString& caption) = 0;
    virtual void setLblNick(const QString& text) = 0;
    virtual void setLblHost(const QString& text) = 0;
    virtual void setTag(const QString& tag) = 0; // its slot number
    virtual void MakeVisible() = 0;
    virtual void bringToFront() = 0;
    virtual RichTextBox& DataInPane() = 0;
    // Shows one incoming private line (or an echo of the own line).
    virtual void PutText(const QString& nick, const QString& text) = 0;
    virtual void unloadWindow() = 0;
    // True from the moment it unloads until it is destroyed: it counts as gone.
    virtual bool unloading() const = 0;
    // The window as an object, so the table notices when it is destroyed.
    virtual QObject* object() = 0;
};
