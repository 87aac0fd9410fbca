#pragma once

#include <QMainWindow>
#include <functional>

// A top-level window in the desktop's form model: created (loaded) on first use,
// its load handler run once it is reachable, closing it asks its unload handler,
// which may cancel, and unloading destroys it and all its state. Hiding keeps it.
class Form : public QMainWindow {
    Q_OBJECT
public:
    explicit Form(QWidget* parent = nullptr);
    ~Form() override;

    // Runs the unload handler; unless it cancels, the window is hidden, leaves its
    // slot and is destroyed once control returns to the event loop.
    // Returns false when the handler cancelled.
    bool Unload();
    // Destroys the window without asking its unload handler, as the end of the
    // program does.
    void Destroy();
    bool isUnloading() const { return m_unloading; }
    // Shows the window and returns only when it is hidden or unloaded again,
    // or the program ends.
    void showModal();

    // Called by the slot that hands the window out, once it may be referred to.
    virtual void Form_Load() {}
    // Set cancel to keep the window loaded.
    virtual void Form_Unload(bool& cancel) { (void)cancel; }

    // Called when the window leaves its slot (set by the slot that holds it).
    std::function<void()> onUnloaded;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    bool m_unloading = false;
};

// The one instance of a window class: the first reference loads it, hidden.
template <typename T> class FormSlot {
public:
    static T& get() {
        if (!s_form) {
            s_form = new T();
            s_form->onUnloaded = [] { s_form = nullptr; };
            s_form->Form_Load();
            if (onLoaded)
                onLoaded(*s_form);
        }
        return *s_form;
    }
    static T* loaded() { return s_form; }
    static void unload() {
        if (s_form)
            s_form->Unload();
    }

    // Runs for every new instance after its load: how the program connects a
    // window that knows no other window to the windows it serves.
    static inline std::function<void(T&)> onLoaded;

private:
    static inline T* s_form = nullptr;
};
