#include "forms/frmHistory.h"

#include <QAbstractListModel>
#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QStandardPaths>
#include <QStyledItemDelegate>
#include <QTextDocument>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "forms/BesideStrip.h"
#include "platform/Desktop.h"
#include "settings/WholeFile.h"
#include "state/Luck.h"
#include "state/ThrowHistory.h"
#include "text/RollText.h"

namespace rollkin {

namespace {

// Size at the first opening, in twips.
constexpr float HistoryWidth = 5400;
constexpr float HistoryHeight = 4500;

// A throw's percentiles, "73.4" or for several rolls "73.4 / 12.0"; empty when its odds are not
// known.
QString Percentiles(ThrowLuck& luck, int row, const QLocale& locale = QLocale()) {
    QStringList ranks;
    for (const double r : luck.MidRanks(row))
        ranks << locale.toString(100 * r, 'f', 1);
    return ranks.join(QStringLiteral(" / "));
}

// The history as Qt's views see it. Display: the line; MarkupRole: the line with the highest and
// lowest dice marked as in the tooltip, as rich text; accessible description: the marks in words.
class ThrowListModel final : public QAbstractListModel, public ThrowHistory::Watcher {
public:
    static constexpr int MarkupRole = Qt::UserRole;

    ThrowListModel(ThrowHistory& history, ThrowLuck& luck, QObject* parent)
        : QAbstractListModel(parent), history_(history), luck_(luck) {
        history_.SetWatcher(this);
    }
    ~ThrowListModel() override { history_.SetWatcher(nullptr); }

    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : history_.Count();
    }

    QVariant data(const QModelIndex& index, int role) const override {
        if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
            return {};
        const int row = index.row();
        switch (role) {
            case Qt::DisplayRole:
                return QString::fromStdString(history_.Line(row)) + Posted(row).first;
            case MarkupRole:
                return QString::fromStdString(history_.Time(row) + "&nbsp;&nbsp;" +
                                              history_.LineMarkup(row)) +
                       Posted(row).first.toHtmlEscaped();
            case Qt::ToolTipRole: {
                // Rich text, escaped: a chat's answer in it is shown as it came, tags and all.
                QStringList tip;
                if (const QString posted = Posted(row).second; !posted.isEmpty())
                    tip << posted.toHtmlEscaped();
                if (const QString luck = Luck(row); !luck.isEmpty()) tip << luck.toHtmlEscaped();
                if (tip.isEmpty()) return {};
                return QStringLiteral("<p>%1</p>").arg(tip.join(QLatin1String("<br>")));
            }
            case Qt::AccessibleDescriptionRole:
                // A roll's line names its naturals; its dropped dice are said in words.
                if (const ThrowHistory::RollLines* roll = history_.Roll(row))
                    return SpokenLine(QString::fromStdString(roll->plain));
                return QString::fromStdString(ThrowDescription(history_.Record(row)));
            default:
                return {};
        }
    }

    void Changing(ThrowHistory::Change change) override {
        switch (change) {
            case ThrowHistory::Change::Add:
                beginInsertRows({}, 0, 0);
                break;
            case ThrowHistory::Change::DropOldest:
                beginRemoveRows({}, history_.Count() - 1, history_.Count() - 1);
                break;
            case ThrowHistory::Change::Clear:
                beginResetModel();
                break;
        }
    }

    void Changed(ThrowHistory::Change change) override {
        switch (change) {
            case ThrowHistory::Change::Add:
                endInsertRows();
                break;
            case ThrowHistory::Change::DropOldest:
                endRemoveRows();
                break;
            case ThrowHistory::Change::Clear:
                endResetModel();
                break;
        }
    }

    void Marked(int row) override { emit dataChanged(index(row), index(row)); }

private:
    // What became of a throw posted to the chat: the mark after its line, and its tooltip.
    std::pair<QString, QString> Posted(int row) const {
        switch (history_.PostOf(row)) {
            case ThrowHistory::Post::Waiting:
                return {frmHistory::tr("  (waiting)"), frmHistory::tr("Waiting to be posted")};
            case ThrowHistory::Post::Sent:
                return {frmHistory::tr("  (posted)"), frmHistory::tr("Posted to the group's chat")};
            case ThrowHistory::Post::NotSent:
                return {frmHistory::tr("  (not sent)"),
                        frmHistory::tr("Not sent: %1")
                            .arg(QString::fromStdString(history_.WhyNotSent(row)))};
            case ThrowHistory::Post::None:
                break;
        }
        return {};
    }

    // "Luck: percentile 73", worked out as the tooltip is asked for.
    QString Luck(int row) const {
        const QString ranks = Percentiles(luck_, row);
        return ranks.isEmpty() ? QString() : frmHistory::tr("Luck: percentile %1").arg(ranks);
    }

    ThrowHistory& history_;
    ThrowLuck& luck_;
};

// Draws a line's rich text, so that the highest and lowest dice are marked as in the tooltip.
class MarkedLineDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const QWidget* widget = opt.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        const QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, widget);
        opt.text.clear();  // the background, the selection and the focus frame only
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);

        QTextDocument doc;
        doc.setDocumentMargin(0);
        doc.setDefaultFont(opt.font);
        doc.setHtml(index.data(ThrowListModel::MarkupRole).toString());
        QAbstractTextDocumentLayout::PaintContext context;
        const QPalette::ColorGroup group =
            opt.state & QStyle::State_Active ? QPalette::Active : QPalette::Inactive;
        context.palette.setColor(
            QPalette::Text,
            opt.palette.color(group, opt.state & QStyle::State_Selected ? QPalette::HighlightedText
                                                                        : QPalette::Text));
        const int top = textRect.top() + (textRect.height() - qRound(doc.size().height())) / 2;
        painter->save();
        painter->translate(textRect.left(), top);
        painter->setClipRect(QRect(0, textRect.top() - top, textRect.width(), textRect.height()));
        doc.documentLayout()->draw(painter, context);
        painter->restore();
    }

    // Every line as wide as the widest measured, so that the view lays out a thousand lines
    // as one size (a throw while the window is open costs one line, not a thousand).
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const QSize size = LineSize(option, index);
        return {std::max(widest_, size.width()), size.height()};
    }

    // Widens the lines to the widest of these rows.
    void Measure(const QListView& view, int first, int last) {
        QStyleOptionViewItem opt;
        opt.initFrom(&view);
        opt.font = view.font();
        opt.widget = &view;
        for (int row = first; row <= last; ++row)
            widest_ = std::max(widest_, LineSize(opt, view.model()->index(row, 0)).width());
    }
    void Forget() { widest_ = 0; }

private:
    // Measured from the plain line, widened by what the bold faces add: no text layout.
    QSize LineSize(const QStyleOptionViewItem& option, const QModelIndex& index) const {
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const QWidget* widget = opt.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        QSize size = style->sizeFromContents(QStyle::CT_ItemViewItem, &opt, QSize(), widget);
        const QString markup = index.data(ThrowListModel::MarkupRole).toString();
        QString boldText;
        for (qsizetype at = markup.indexOf(QLatin1String("<b>")); at >= 0;
             at = markup.indexOf(QLatin1String("<b>"), at)) {
            at += 3;
            boldText += markup.mid(at, markup.indexOf(QLatin1String("</b>"), at) - at);
        }
        if (!boldText.isEmpty()) {
            QFont bold = opt.font;
            bold.setBold(true);
            size.rwidth() += QFontMetrics(bold).horizontalAdvance(boldText) -
                             opt.fontMetrics.horizontalAdvance(boldText);
        }
        return size;
    }

    int widest_ = 0;
};

}  // namespace

frmHistory::frmHistory(ThrowHistory& throws, Desktop& screen)
    : QWidget(nullptr, Qt::Window),
      throws_(throws),
      luck_(std::make_unique<ThrowLuck>(throws)),
      screen_(screen) {
    SetUpBesideStrip(*this, "frmHistory", tr("Dice Rollkin History"), HistoryWidth, HistoryHeight,
                     screen);

    lblLuck = new QLabel(this);
    lblLuck->setObjectName(QStringLiteral("lblLuck"));
    lblLuck->setWordWrap(true);
    lblLuck->setToolTip(
        tr("Each total's percentile in its roll's exact odds (a tie counts "
           "half); the dice look fair unless a z-test of the average percentile, "
           "each throw weighed by its own variance, gives p under 0.05."));
    // Worked out once the throws of a burst are in, and only while the window is open.
    luckTimer_ = new QTimer(this);
    luckTimer_->setSingleShot(true);
    luckTimer_->setInterval(0);
    connect(luckTimer_, &QTimer::timeout, this, [this] { ShowLuck(); });

    lstThrows = new QListView(this);
    lstThrows->setObjectName(QStringLiteral("lstThrows"));
    lstThrows->setAccessibleName(tr("Throws"));
    auto* model = new ThrowListModel(throws_, *luck_, this);
    auto* delegate = new MarkedLineDelegate(lstThrows);
    lstThrows->setModel(model);
    lstThrows->setItemDelegate(delegate);
    lstThrows->setUniformItemSizes(true);
    delegate->Measure(*lstThrows, 0, model->rowCount({}) - 1);
    connect(model, &QAbstractItemModel::rowsInserted, this,
            [this, delegate](const QModelIndex&, int first, int last) {
                delegate->Measure(*lstThrows, first, last);
            });
    connect(model, &QAbstractItemModel::dataChanged, this,
            [this, delegate](const QModelIndex& top, const QModelIndex& bottom) {
                delegate->Measure(*lstThrows, top.row(), bottom.row());
            });
    connect(model, &QAbstractItemModel::modelReset, this, [delegate] { delegate->Forget(); });
    lstThrows->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lstThrows->setEditTriggers(QAbstractItemView::NoEditTriggers);

    cmdCopy = new QPushButton(tr("Copy"), this);
    cmdCopy->setObjectName(QStringLiteral("cmdCopy"));
    cmdSave = new QPushButton(tr("Save..."), this);
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    const auto saveable = [this] { cmdSave->setEnabled(throws_.Count() > 0); };
    saveable();
    connect(model, &QAbstractItemModel::rowsInserted, this, saveable);
    connect(model, &QAbstractItemModel::modelReset, this, saveable);
    const auto luck = [this] {
        if (isVisible()) luckTimer_->start();
    };
    connect(model, &QAbstractItemModel::rowsInserted, this, luck);
    connect(model, &QAbstractItemModel::rowsRemoved, this, luck);
    connect(model, &QAbstractItemModel::modelReset, this, luck);
    cmdClear = new QPushButton(tr("Clear"), this);
    cmdClear->setObjectName(QStringLiteral("cmdClear"));
    // Clear asks nothing: until the next throw, the same button (or Ctrl+Z) brings it all back.
    const auto undoable = [this] {
        const bool undo = throws_.Count() == 0 && throws_.CanUndoClear();
        cmdClear->setText(undo ? tr("Undo Clear") : tr("Clear"));
        cmdClear->setEnabled(undo || throws_.Count() > 0);
    };
    undoable();
    connect(model, &QAbstractItemModel::rowsInserted, this, undoable);
    connect(model, &QAbstractItemModel::modelReset, this, undoable);
    connect(cmdCopy, &QPushButton::clicked, this, [this] { cmdCopy_Click(); });
    connect(cmdSave, &QPushButton::clicked, this, [this] { cmdSave_Click(); });
    connect(cmdClear, &QPushButton::clicked, this, [this] { cmdClear_Click(); });

    // Ctrl+C anywhere in the window, the list included, copies as the button does.
    auto* copy = new QAction(this);
    copy->setShortcut(QKeySequence::Copy);
    addAction(copy);
    connect(copy, &QAction::triggered, this, [this] { cmdCopy_Click(); });
    auto* undo = new QAction(this);
    undo->setShortcut(QKeySequence::Undo);
    addAction(undo);
    connect(undo, &QAction::triggered, this, [this] {
        if (throws_.Count() == 0) throws_.UndoClear();
    });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdCopy);
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdClear);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblLuck);
    layout->addWidget(lstThrows);
    layout->addLayout(buttons);
    setTabOrder(lstThrows, cmdCopy);
    setTabOrder(cmdCopy, cmdSave);
    setTabOrder(cmdSave, cmdClear);
    lstThrows->setFocus();
}

frmHistory::~frmHistory() = default;

void frmHistory::Open(const QWidget& strip) {
    OpenBesideStrip(*this, strip, placed_);
}

void frmHistory::FollowStrip(const QWidget& strip) {
    rollkin::FollowStrip(*this, strip);
}

void frmHistory::cmdCopy_Click() {
    const ThrowHistory& throws = throws_;
    if (throws.Count() == 0) return;  // nothing to copy: the clipboard keeps what it has
    std::vector<int> rows;
    for (const QModelIndex& index : lstThrows->selectionModel()->selectedIndexes())
        rows.push_back(index.row());
    screen_.CopyText(QString::fromStdString(throws.Text(rows)));
}

void frmHistory::cmdSave_Click() {
    if (throws_.Count() == 0) return;
    // In the documents folder (home where there is none), named by the day.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) folder = QDir::homePath();
    const QString suggested =
        QDir(folder).filePath(QStringLiteral("dicerollkin-history-%1.txt")
                                  .arg(QDate::currentDate().toString(Qt::ISODate)));
    const QString path =
        screen_.SaveFileName(*this, tr("Save History"), suggested, tr("Text (*.txt);;CSV (*.csv)"));
    if (path.isEmpty()) return;
    const ThrowHistory::CsvColumn percentile{
        "percentile",
        [this](int row) { return Percentiles(*luck_, row, QLocale::c()).toStdString(); }};
    const std::string text = path.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive)
                                 ? throws_.Csv(&percentile)
                                 : throws_.Text({}) + '\n';
    // All or nothing: a file that was there stays as it was when the write fails.
    const QString error = WriteWholeFile(path, QByteArray::fromStdString(text));
    if (error.isEmpty()) return;
    screen_.MsgBox(tr("The history could not be saved in \"%1\": %2")
                       .arg(QDir::toNativeSeparators(path), error),
                   MsgOkOnly);
}

void frmHistory::cmdClear_Click() {
    if (throws_.Count() == 0 && throws_.CanUndoClear())
        throws_.UndoClear();
    else
        throws_.Clear();
}

void frmHistory::showEvent(QShowEvent* event) {
    ShowLuck();
    QWidget::showEvent(event);
}

void frmHistory::ShowLuck() {
    const LuckTest test = luck_->Test();
    if (test.throws == 0) {
        lblLuck->setText(tr("No throws yet to judge the dice by."));
        return;
    }
    const QLocale locale;
    const QString p = locale.toString(test.p, 'g', 2);
    const QString verdict = test.p >= 0.05           ? tr("the dice look fair, p = %1").arg(p)
                            : test.meanMidRank > 0.5 ? tr("the dice run high, p = %1").arg(p)
                                                     : tr("the dice run low, p = %1").arg(p);
    lblLuck->setText(tr("%1 throws, average percentile %2: %3 (z-test of the percentiles)")
                         .arg(test.throws)
                         .arg(locale.toString(100 * test.meanMidRank, 'f', 0), verdict));
}

void frmHistory::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        hide();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace rollkin
