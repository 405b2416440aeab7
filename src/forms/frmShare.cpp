#include "forms/frmShare.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "forms/BesideStrip.h"

namespace rollkin {

namespace {

// Size at the first opening, in twips: room for a webhook's address and the longest choice.
constexpr float ShareWidth = 7200;
constexpr float ShareHeight = 5000;

template <typename Widget, typename... Args>
Widget* Named(const char* name, Args&&... args) {
    auto* widget = new Widget(std::forward<Args>(args)...);
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

}  // namespace

frmShare::frmShare(const Desktop& screen) : QDialog(nullptr, Qt::Window) {
    SetUpBesideStrip(*this, "frmShare", tr("Dice Rollkin Share"), ShareWidth, ShareHeight, screen);

    txtName = Named<QLineEdit>("txtName", this);
    txtName->setPlaceholderText(tr("Rogue"));
    txtName->setAccessibleName(tr("Name"));
    txtWebhook = Named<QLineEdit>("txtWebhook", this);
    txtWebhook->setPlaceholderText(QStringLiteral("https://discord.com/api/webhooks/…"));
    txtWebhook->setAccessibleName(tr("Webhook URL"));
    // A secret: shown only while edited.
    txtWebhook->setEchoMode(QLineEdit::Password);
    txtWebhook->installEventFilter(this);
    lblError = Named<QLabel>("lblError", this);
    lblError->setWordWrap(true);
    lblError->setTextFormat(Qt::PlainText);
    // Room for the reason kept while there is none, so that the form below does not move.
    lblError->setMinimumHeight(2 * lblError->fontMetrics().lineSpacing());
    auto* nameCaption = Named<QLabel>("lblName", tr("&Name:"), this);
    nameCaption->setBuddy(txtName);
    auto* webhookCaption = Named<QLabel>("lblWebhook", tr("&Webhook URL:"), this);
    webhookCaption->setBuddy(txtWebhook);

    cboFormat = Named<QComboBox>("cboFormat", this);
    cboFormat->addItem(tr("Discord"));
    cboFormat->addItem(tr("Slack-compatible"));
    cboFormat->setAccessibleName(tr("Chat format"));
    auto* formatCaption = Named<QLabel>("lblFormat", tr("Chat &format:"), this);
    formatCaption->setBuddy(cboFormat);
    chkQuiet = Named<QCheckBox>("chkQuiet", tr("Post &quietly, without notifying anyone"), this);

    auto* whatCaption = Named<QLabel>("lblWhat", tr("Post:"), this);
    optEvery = Named<QRadioButton>("optEvery", tr("&Every throw"), this);
    optChosen =
        Named<QRadioButton>("optChosen", tr("&Only saved rolls and the Roll window's rolls"), this);
    chkClipboard = Named<QCheckBox>("chkClipboard", tr("Copy each throw to the clipboard"), this);
    cmdTest = Named<QPushButton>("cmdTest", tr("Test"), this);
    cmdTest->setAutoDefault(false);
    lblAnswer = Named<QLabel>("lblAnswer", this);
    lblAnswer->setWordWrap(true);
    lblAnswer->setTextFormat(Qt::PlainText);  // it quotes the chat's answer
    cmdOK = Named<QPushButton>("cmdOK", tr("OK"), this);
    cmdOK->setDefault(true);
    cmdCancel = Named<QPushButton>("cmdCancel", tr("Cancel"), this);
    cmdCancel->setAutoDefault(false);

    auto* test = new QHBoxLayout;
    test->addWidget(cmdTest);
    test->addWidget(lblAnswer, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto* layout = new QGridLayout(this);
    layout->addWidget(nameCaption, 0, 0);
    layout->addWidget(txtName, 0, 1);
    layout->addWidget(webhookCaption, 1, 0);
    layout->addWidget(txtWebhook, 1, 1);
    layout->addWidget(lblError, 2, 1);
    layout->addWidget(formatCaption, 3, 0);
    layout->addWidget(cboFormat, 3, 1, Qt::AlignLeft);
    layout->addWidget(chkQuiet, 4, 1);
    layout->addWidget(whatCaption, 5, 0);
    layout->addWidget(optEvery, 5, 1);
    layout->addWidget(optChosen, 6, 1);
    layout->addWidget(chkClipboard, 7, 1);
    layout->addLayout(test, 8, 1);
    layout->setRowStretch(9, 1);
    layout->addLayout(buttons, 10, 0, 1, 2);
    layout->setColumnStretch(1, 1);

    // What was said of the address before is not said of a new one.
    connect(txtWebhook, &QLineEdit::textChanged, this, [this] {
        lblError->clear();
        lblAnswer->clear();
        FollowAddress();
    });
    connect(cboFormat, &QComboBox::currentIndexChanged, this, [this] { FollowAddress(); });
    connect(cmdTest, &QPushButton::clicked, this, [this] { cmdTest_Click(); });
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

frmShare::~frmShare() = default;

void frmShare::Open(const QWidget& strip, const ShareSettings& settings) {
    txtName->setText(settings.name);
    txtWebhook->setText(settings.webhook);
    (settings.everyThrow ? optEvery : optChosen)->setChecked(true);
    chkClipboard->setChecked(settings.copyToClipboard);
    cboFormat->setCurrentIndex(static_cast<int>(settings.Format()));
    chkQuiet->setChecked(settings.quiet);
    FollowAddress();
    lblError->clear();
    lblAnswer->clear();
    OpenBesideStrip(*this, strip, placed_);
    txtName->setFocus();
    txtName->selectAll();
}

void frmShare::ShowAnswer(const Answer& answer, const QString& webhook) {
    if (webhook != Entered().webhook) return;
    const bool sent = answer.status >= 200 && answer.status < 300;
    const QString text = (sent ? tr("Sent: %1") : tr("Not sent: %1")).arg(answer.Text());
    lblAnswer->setText(text);
    lblAnswer->setAccessibleName(text);
}

ShareSettings frmShare::Entered() const {
    ShareSettings s;
    s.name = txtName->text().trimmed();
    s.webhook = txtWebhook->text().trimmed();
    s.everyThrow = optEvery->isChecked();
    s.copyToClipboard = chkClipboard->isChecked();
    s.format = static_cast<ChatFormat>(cboFormat->currentIndex());
    s.quiet = chkQuiet->isChecked();
    return s;
}

void frmShare::FollowAddress() {
    const auto known = KnownFormat(txtWebhook->text());
    if (known) cboFormat->setCurrentIndex(static_cast<int>(*known));
    cboFormat->setEnabled(!known);
    cboFormat->setToolTip(known ? tr("Set from the address.") : QString());
    chkQuiet->setEnabled(cboFormat->currentIndex() == static_cast<int>(ChatFormat::Discord));
}

bool frmShare::CheckAddress() {
    const auto refusal = WebhookUrl::Refusal(txtWebhook->text());
    lblError->setText(refusal.value_or(QString()));
    txtWebhook->setAccessibleDescription(lblError->text());
    return !refusal;
}

void frmShare::cmdTest_Click() {
    if (!CheckAddress()) return;
    lblAnswer->setText(tr("Posting a test line..."));
    const ShareSettings s = Entered();
    emit TestAsked(s.webhook, s.Message(s.Content(tr("a test of Dice Rollkin's posting"))));
}

void frmShare::cmdOK_Click() {
    // No address is no mistake: nothing is posted, the clipboard may still be wanted.
    if (!txtWebhook->text().trimmed().isEmpty() && !CheckAddress()) return;
    emit Changed(Entered());
    accept();
}

bool frmShare::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtWebhook && event->type() == QEvent::FocusIn)
        txtWebhook->setEchoMode(QLineEdit::Normal);
    if (watched == txtWebhook && event->type() == QEvent::FocusOut)
        txtWebhook->setEchoMode(QLineEdit::Password);
    return QDialog::eventFilter(watched, event);
}

}  // namespace rollkin
