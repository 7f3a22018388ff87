#pragma once
// The floor under the whole program: its two windows as plain Qt widgets made directly from the stored
// layouts, going through the same steps. "Test" hides the main window and shows the showcase, waiting in a
// nested event loop as a modal show does; "Close Form" hides it and brings the main window back with a
// message; "Exit" quits.

#include <QString>
#include <QWidget>
#include <memory>

class QAbstractButton;
class QLineEdit;

namespace qv::bench
{

class PlainProgram
{
public:
    // Titles for the two windows, where they must be told apart from the real program's; empty keeps the
    // stored captions.
    explicit PlainProgram(QString mainTitle = {}, QString showcaseTitle = {});
    ~PlainProgram();
    PlainProgram(const PlainProgram &) = delete;
    PlainProgram &operator=(const PlainProgram &) = delete;

    // Makes the main window and shows it.
    void start();

    QWidget &mainWindow() const { return *main_; }
    QWidget *showcase() const { return showcase_.get(); }
    static QAbstractButton *button(const QWidget &window, const char *name);

private:
    void test();
    void closeForm();
    QLineEdit *text1() const;

    QString mainTitle_;
    QString showcaseTitle_;
    std::unique_ptr<QWidget> main_;
    std::unique_ptr<QWidget> showcase_;
};

} // namespace qv::bench
