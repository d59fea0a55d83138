#pragma once
#include <QWidget>
#include <functional>

class QScrollArea;

// A window of the program: one instance per name, created on first use, never modal.
class Form : public QWidget
{
    Q_OBJECT
public:
    explicit Form(const QString &name, QWidget *parent = nullptr);

    // Loads and shows the window (the public set-up routine).
    virtual void Form_Load() { show(); }

protected:
    // What closing by the title bar does: the window's own exit button, by default hiding.
    virtual void closeByTitleBar() { hide(); }
    // Esc does what closing by the title bar does, in the windows that ask for it.
    void setEscapeCloses(bool on) { m_escapeCloses = on; }
    // Frames kept centred in the window whenever it changes size (the first lies on top).
    void setCentredFrames(const QList<QWidget *> &frames);
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void fitScreen();
    void scrollContents(const QSize &design);

    QList<QWidget *> m_frames;
    bool m_escapeCloses = false;
    QScrollArea *m_area = nullptr; // where the controls went when the window was too large
};

namespace Forms {
using Factory = std::function<Form *()>;
void registerForm(const QString &name, Factory factory);
// What F1 does in a window: given the window's name (the guide's page, set at start-up).
void setHelp(std::function<void(const QString &)> help);
// The instance, created (loaded) on first use; nullptr when no such window is registered.
Form *get(const QString &name);
template <class T> T *get(const QString &name) { return qobject_cast<T *>(get(name)); }
// The instance when loaded, else nullptr.
Form *find(const QString &name);
bool isLoaded(const QString &name);
// Hides the window and destroys it; the next get() loads a new one.
void unload(const QString &name);
// Leaves window da for window a, loaded afresh and enabled (the main menu when a is missing).
void tornaA(const QString &a, const QString &da);
// Ends the program at once: every window closes, nothing is asked or saved.
void endProgram();
bool programEnded();
// For tests: unload every window and forget that the program ended.
void resetAll();
// Centres frame in its parent, as left = (width - frame width) / 2, top likewise.
void centre(QWidget *frame);
// Where a window of that outer size opens: centred on the screen area, kept inside it.
QRect placeInside(const QRect &available, const QSize &outer);
} // namespace Forms
