#pragma once

#include <QDialog>

#include "share/ShareQueue.h"
#include "share/Webhook.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace rollkin {

class Desktop;

// How the player's throws reach the group's chat, in a normal window beside the strip: the
// player's name, the webhook's address (masked except while edited), the chat's format (set
// from the address where its host is known), whether to post quietly, what to post, whether to
// copy each throw, and a Test that posts a line and shows the answer. OK takes the settings,
// Cancel, Esc and the title bar's close drop them.
class frmShare final : public QDialog {
    Q_OBJECT

public:
    explicit frmShare(const Desktop& screen);
    ~frmShare() override;

    QLineEdit* txtName;
    QLineEdit* txtWebhook;
    QLabel* lblError;
    QComboBox* cboFormat;  // in ChatFormat's order
    QCheckBox* chkQuiet;
    QRadioButton* optEvery;
    QRadioButton* optChosen;
    QCheckBox* chkClipboard;
    QPushButton* cmdTest;
    QLabel* lblAnswer;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

    // Shows the window beside the strip with these settings, the name ready for typing.
    void Open(const QWidget& strip, const ShareSettings& settings);
    // The Test's answer from this address; none when the address has changed since.
    void ShowAnswer(const Answer& answer, const QString& webhook);

    void cmdTest_Click();
    void cmdOK_Click();

signals:
    // OK with an address that is taken (or none): the settings to use from now on.
    void Changed(const ShareSettings& settings);
    // Test: post this message to this address, and show the answer.
    void TestAsked(const QString& webhook, const QByteArray& message);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ShareSettings Entered() const;
    // Shows why the address is refused; false then.
    bool CheckAddress();
    // The format fixed by a known host, chosen by hand otherwise; quiet is Discord's alone.
    void FollowAddress();

    bool placed_ = false;
};

}  // namespace rollkin
