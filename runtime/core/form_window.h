#pragma once
// The top-level widget of a loaded form. It passes the close box and hiding on to its form, and gives the
// keyboard what a dialog gives it: Enter presses the default button, Escape in a modal window is its close
// box.

#include <QWidget>

namespace qv
{

class Form;

class FormWindow final : public QWidget
{
    Q_OBJECT
public:
    explicit FormWindow(Form &form);

Q_SIGNALS:
    // The window went out of sight because the program hid or unloaded it (not minimised).
    void hiddenByProgram();

protected:
    void closeEvent(QCloseEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    Form &form_;
};

} // namespace qv
