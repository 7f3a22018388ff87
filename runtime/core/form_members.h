#pragma once
// The members of a form's window, as a program reaches them by name: its caption, position and size in
// twips, window state, visibility, Move, Show and Hide; and the window's own events (Load, Activate,
// Deactivate, Resize, Click, QueryUnload, Unload, Terminate). Made with the window and gone with it.

#include "runtime/core/member_object.h"

#include <QString>

class QWidget;

namespace qv
{

class FormPrivate;

class FormMembers final : public MemberObject
{
    Q_OBJECT
    Q_PROPERTY(QString Name READ name CONSTANT STORED false)
    Q_PROPERTY(QString Caption READ caption WRITE setCaption STORED true)
    Q_PROPERTY(QString Tag READ tag WRITE setTag)
    Q_PROPERTY(int Left READ left WRITE setLeft)
    Q_PROPERTY(int Top READ top WRITE setTop)
    Q_PROPERTY(int Width READ width WRITE setWidth)
    Q_PROPERTY(int Height READ height WRITE setHeight)
    Q_PROPERTY(int ScaleWidth READ scaleWidth STORED true)
    Q_PROPERTY(int ScaleHeight READ scaleHeight STORED true)
    Q_PROPERTY(WindowState WindowState READ windowState WRITE setWindowState)
    Q_PROPERTY(bool Visible READ visible WRITE setVisible)
    Q_PROPERTY(bool Enabled READ enabled WRITE setEnabled)
public:
    enum WindowState { vbNormal = 0, vbMinimized = 1, vbMaximized = 2 };
    Q_ENUM(WindowState)

    FormMembers(QWidget &window, FormPrivate &form);

    QString name() const;
    QString caption() const;
    void setCaption(const QString &caption);
    QString tag() const { return tag_; }
    void setTag(const QString &tag) { tag_ = tag; }
    int left() const;
    int top() const;
    int width() const;
    int height() const;
    void setLeft(int twips) { Move(static_cast<float>(twips)); }
    void setTop(int twips);
    void setWidth(int twips);
    void setHeight(int twips);
    int scaleWidth() const;
    int scaleHeight() const;
    WindowState windowState() const;
    void setWindowState(WindowState state);
    bool visible() const;
    void setVisible(bool visible);
    bool enabled() const;
    void setEnabled(bool enabled);

    // In twips, the window's outer edges; an argument left out keeps what is.
    Q_INVOKABLE void Move(float Left, float Top = omitted, float Width = omitted, float Height = omitted);
    // 0 shows the form without waiting, 1 modally (returning once it is hidden or unloaded).
    Q_INVOKABLE void Show(int Modal = 0);
    Q_INVOKABLE void Hide();
    Q_INVOKABLE void Refresh();

signals:
    void Load();
    void Activate();
    void Deactivate();
    void Resize();
    void Click();
    // Before the form unloads: UnloadMode 0 from the close box, 1 from the program's code; a handler that
    // sets Cancel to anything but 0 keeps the form.
    void QueryUnload(short &Cancel, short UnloadMode);
    void Unload(short &Cancel);
    // Once the run ends normally, after every window has gone: the form object's last event. The runtime
    // raises it and Load itself; the rest come from the window.
    void Terminate();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget &window() const { return window_; }

    // The members are the window's child: the window outlives them.
    QWidget &window_;
    FormPrivate &form_;
    QString tag_;
};

} // namespace qv
