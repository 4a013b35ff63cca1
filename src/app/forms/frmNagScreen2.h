#pragma once

#include "app/forms/FormWindow.h"

#include <QPointer>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class ClickLabel;

// The exit window: thanks and support text, the maker's software catalogue,
// the refer-a-friend form, and the way out. Closing it ends the application.
class frmNagScreen2 : public FormWindow
{
    Q_OBJECT
public:
    // Loading draws the support text; it does not show the window.
    explicit frmNagScreen2(QWidget *parent = nullptr);

    // Shows the window above all others (the unload handlers of the main and
    // result windows do this).
    void ShowTopMost();

    // The four support texts the load draws from, 0..3.
    static QString SupportText(int number);

protected:
    void Form_Unload() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Form_Load();
    void cmdSubmit_Click();
    void cmdClose_Click();
    void Check1_Click(bool checked);

    // The five referral boxes, in reading order.
    QList<QWidget *> boxes() const;
    // The placeholder a referral box shows while empty; empty for any other
    // object.
    QString placeholderOf(const QObject *box) const;
    // Empties the box that got the focus while showing its placeholder.
    void clearPlaceholder();

    QPointer<QWidget> m_placeholderToClear;
    QLabel *Label2 = nullptr;
    QLineEdit *txtName = nullptr;
    QLineEdit *txtEmail = nullptr;
    QLineEdit *txtFriendName = nullptr;
    QLineEdit *txtFriendEmail = nullptr;
    QPlainTextEdit *txtMessage = nullptr;
    QPushButton *cmdSubmit = nullptr;
    QCheckBox *Check1 = nullptr;
    QPushButton *cmdClose = nullptr;
    ClickLabel *lblGoToHome = nullptr;
};
