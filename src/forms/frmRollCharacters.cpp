#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>

#include "forms/frmRoll.h"
#include "settings/CharacterFile.h"
#include "settings/SettingsFile.h"

// The Rolls window's characters: which one's rolls the list shows, adding, renaming and
// removing them, and a character to a file and back. Every question is window-modal over this
// window and returns at once, so that the strip goes on throwing while it is asked.

namespace rollkin {

QPushButton* frmRoll::NewButton(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);  // Enter rolls, wherever the focus is
    return button;
}

QLineEdit* frmRoll::NewNameField(QWidget* parent, const char* name, const QString& placeholder,
                                 const QString& spoken) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setMaxLength(MaxSavedRollName);
    field->setPlaceholderText(placeholder);
    field->setAccessibleName(spoken);
    return field;
}

QWidget* frmRoll::NewCharacterBar(QWidget* parent) {
    auto* bar = new QWidget(parent);
    cboCharacter = new QComboBox(bar);
    cboCharacter->setObjectName(QStringLiteral("cboCharacter"));
    auto* caption = new QLabel(tr("C&haracter:"), bar);
    caption->setBuddy(cboCharacter);
    txtCharacter =
        NewNameField(bar, "txtCharacter", tr("Character's name"), tr("Character's name"));
    txtShareName = NewNameField(bar, "txtShareName", tr("Share name (empty: Share's)"),
                                tr("Name the character's throws are posted under"));
    //: Adds a character.
    cmdAddCharacter = NewButton(bar, "cmdAddCharacter", tr("Add", "character"));
    cmdRenameCharacter = NewButton(bar, "cmdRenameCharacter", tr("Rename"));
    //: Removes a character.
    cmdRemoveCharacter = NewButton(bar, "cmdRemoveCharacter", tr("Remove", "character"));
    cmdExport = NewButton(bar, "cmdExport", tr("Export..."));
    cmdImport = NewButton(bar, "cmdImport", tr("Import..."));

    auto* layout = new QGridLayout(bar);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(caption, 0, 0);
    layout->addWidget(cboCharacter, 0, 1);
    layout->addWidget(cmdAddCharacter, 0, 2);
    layout->addWidget(cmdRenameCharacter, 0, 3);
    layout->addWidget(cmdRemoveCharacter, 0, 4);
    layout->addWidget(txtCharacter, 1, 1);
    layout->addWidget(txtShareName, 1, 2, 1, 3);
    layout->addWidget(cmdExport, 0, 5);
    layout->addWidget(cmdImport, 1, 5);
    layout->setColumnStretch(1, 1);

    connect(cboCharacter, &QComboBox::activated, this, [this](int index) {
        lblSaved->clear();
        saved_.SetCurrent(index);
    });
    connect(cmdAddCharacter, &QPushButton::clicked, this, [this] { cmdAddCharacter_Click(); });
    connect(cmdRenameCharacter, &QPushButton::clicked, this,
            [this] { cmdRenameCharacter_Click(); });
    connect(cmdRemoveCharacter, &QPushButton::clicked, this,
            [this] { cmdRemoveCharacter_Click(); });
    connect(cmdExport, &QPushButton::clicked, this, [this] { cmdExport_Click(); });
    connect(cmdImport, &QPushButton::clicked, this, [this] { cmdImport_Click(); });
    connect(&saved_, &SavedRollsModel::CharactersChanged, this, &frmRoll::ShowCharacters);
    ShowCharacters();
    return bar;
}

void frmRoll::ShowCharacters() {
    const QSignalBlocker quiet(cboCharacter);
    cboCharacter->clear();
    for (int i = 0; i < static_cast<int>(saved_.Characters().size()); ++i)
        cboCharacter->addItem(saved_.ShownName(i));
    cboCharacter->setCurrentIndex(saved_.CurrentIndex());
    txtCharacter->setText(saved_.ShownName(saved_.CurrentIndex()));
    txtShareName->setText(QString::fromStdString(saved_.Current().shareName));
    cmdRemoveCharacter->setEnabled(saved_.Characters().size() > 1);
}

QString frmRoll::NameError(const QString& name, int except) const {
    if (name.isEmpty()) return tr("A character needs a name.");
    const int known = saved_.Find(name);
    if (known >= 0 && known != except)
        return tr("There is a character named \"%1\" already.").arg(name);
    return {};
}

void frmRoll::cmdAddCharacter_Click() {
    QString name = CutName(txtCharacter->text().trimmed());
    // The field shows the current one's name: a new one without a name of its own gets a number.
    if (name.isEmpty() || name == saved_.ShownName(saved_.CurrentIndex())) {
        const int count = static_cast<int>(saved_.Characters().size());
        for (int n = count + 1; name.isEmpty() || saved_.Find(name) >= 0; ++n)
            name = tr("Character %1").arg(n);
    }
    const QString error = NameError(name, -1);
    lblSaved->setText(error);
    if (!error.isEmpty()) return;
    const QString shareName = CutName(txtShareName->text().trimmed());
    saved_.Add({name.toStdString(), shareName.toStdString(), {}, {}});
}

void frmRoll::cmdRenameCharacter_Click() {
    const int index = saved_.CurrentIndex();
    const QString name = CutName(txtCharacter->text().trimmed());
    const QString error = NameError(name, index);
    lblSaved->setText(error);
    if (!error.isEmpty()) return;
    // One never named keeps its number rather than have it written as a name.
    const bool numbered = saved_.Current().name.empty() && name == saved_.ShownName(index);
    saved_.Rename(index, numbered ? std::string() : name.toStdString(),
                  CutName(txtShareName->text().trimmed()).toStdString());
}

void frmRoll::cmdRemoveCharacter_Click() {
    if (saved_.Characters().size() < 2) return;
    const QString name = saved_.ShownName(saved_.CurrentIndex());
    auto* box = new QMessageBox(QMessageBox::Question, windowTitle(),
                                tr("Remove the character \"%1\" with its saved rolls?").arg(name),
                                QMessageBox::Yes | QMessageBox::Cancel, this);
    box->setDefaultButton(QMessageBox::Cancel);
    box->setWindowModality(Qt::WindowModal);
    box->setAttribute(Qt::WA_DeleteOnClose);
    connect(box, &QMessageBox::finished, this, [this, name](int answer) {
        // By its name: the list may have changed while the question was open.
        if (answer == QMessageBox::Yes) saved_.Remove(saved_.Find(name));
    });
    box->open();
}

void frmRoll::cmdExport_Click() {
    auto* dialog =
        new QFileDialog(this, tr("Export Character"), QString(), tr("Characters (*.json)"));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(QStringLiteral("json"));
    const QString name = saved_.ShownName(saved_.CurrentIndex());
    dialog->selectFile(name + QStringLiteral(".json"));
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFileDialog::fileSelected, this, [this, name](const QString& path) {
        const int now = saved_.Find(name);  // the list may have changed meanwhile
        if (now < 0) return;
        Character character = saved_.Characters()[static_cast<std::size_t>(now)];
        character.name = name.toStdString();
        const QString error = CharacterFile::Save(path, character);
        lblSaved->setText(error.isEmpty()
                              ? tr("\"%1\" exported to %2.").arg(name, path)
                              : tr("\"%1\" could not be exported: %2").arg(name, error));
    });
    dialog->open();
}

void frmRoll::cmdImport_Click() {
    auto* dialog = new QFileDialog(this, tr("Import Character"), QString(),
                                   tr("Characters (*.json);;All files (*)"));
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFileDialog::fileSelected, this,
            [this](const QString& path) { Import(CharacterFile::Load(path)); });
    dialog->open();
}

void frmRoll::Import(const CharacterFile::Read& read) {
    if (!read.character) {
        lblSaved->setText(tr("Nothing was imported. %1").arg(read.refusal));
        return;
    }
    const Character& character = *read.character;
    const QString name = QString::fromStdString(character.name);
    if (saved_.Find(name) < 0) return Imported(character);
    auto* box = new QMessageBox(QMessageBox::Question, windowTitle(),
                                tr("There is a character named \"%1\" already.").arg(name),
                                QMessageBox::Cancel, this);
    QPushButton* replace = box->addButton(tr("Replace"), QMessageBox::DestructiveRole);
    QPushButton* both = box->addButton(tr("Keep both"), QMessageBox::AcceptRole);
    box->setDefaultButton(QMessageBox::Cancel);
    box->setWindowModality(Qt::WindowModal);
    box->setAttribute(Qt::WA_DeleteOnClose);
    connect(box, &QMessageBox::finished, this, [this, box, replace, both, character, name] {
        const QAbstractButton* chosen = box->clickedButton();
        const int known = saved_.Find(name);
        if (chosen == replace && known >= 0) {
            std::vector<Character> all = saved_.Characters();
            all[static_cast<std::size_t>(known)] = character;
            saved_.SetCharacters(std::move(all), known);
            lblSaved->setText(tr("\"%1\" imported.").arg(name));
        } else if (chosen == both || (chosen == replace && known < 0)) {
            Character renamed = character;
            QString numbered = name;
            for (int n = 2; saved_.Find(numbered) >= 0; ++n) {
                const QString suffix = QStringLiteral(" (%1)").arg(n);
                QString base = name.left(MaxSavedRollName - suffix.size());
                if (base.back().isHighSurrogate()) base.chop(1);
                numbered = base + suffix;
            }
            renamed.name = numbered.toStdString();
            Imported(renamed);
        }
    });
    box->open();
}

void frmRoll::Imported(const Character& character) {
    saved_.Add(character);
    int unthrowable = 0;
    for (int row = 0; row < tblSaved->rowCount(); ++row)
        unthrowable += RowError(row).isEmpty() ? 0 : 1;
    const QString name = QString::fromStdString(character.name);
    lblSaved->setText(
        unthrowable == 0
            ? tr("\"%1\" imported.").arg(name)
            : tr("\"%1\" imported; the rolls marked cannot be thrown as written.").arg(name));
}

}  // namespace rollkin
