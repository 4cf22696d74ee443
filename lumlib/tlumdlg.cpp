#include "tlumdlg.h"

#include "tcombobox.h"
#include "thelpviewer.h"
#include "tlumconfig.h"
#include "tlumrecordrows.h"
#include "tprompts.h"
#include "tvaluelist.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QDateTimeEdit>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QSpinBox>
#include <QUrl>

#include <algorithm>
#include <limits>

namespace {

// Properties that remember what a widget looked like before it showed the no-change state.
const char* const noChangeValue = "lumNoChangeValue";
const char* const savedMinimum = "lumSavedMinimum";
const char* const savedSpecialText = "lumSavedSpecialText";
const QString blank = QStringLiteral(" ");

QString tr(const char* text)
{
    return QCoreApplication::translate("TLumDlg", text);
}

// Brings a date or date-time edit into or out of its blank state.
void showBlank(QDateTimeEdit* edit, bool on)
{
    if (on) {
        if (!edit->property(savedMinimum).isValid()) {
            edit->setProperty(savedMinimum, edit->minimumDateTime());
            edit->setProperty(savedSpecialText, edit->specialValueText());
        }
        const QDateTime sentinel = edit->property(savedMinimum).toDateTime().addDays(-1);
        edit->setMinimumDateTime(sentinel);
        edit->setSpecialValueText(blank);
        edit->setDateTime(sentinel);
    } else if (edit->property(savedMinimum).isValid()) {
        edit->setMinimumDateTime(edit->property(savedMinimum).toDateTime());
        edit->setSpecialValueText(edit->property(savedSpecialText).toString());
        edit->setProperty(savedMinimum, QVariant());
    }
}

bool isBlank(const QDateTimeEdit* edit)
{
    const QVariant minimum = edit->property(savedMinimum);
    return minimum.isValid() && edit->dateTime() == minimum.toDateTime().addDays(-1);
}

int lowestFreeId(const Basics::TValueList* list, int from)
{
    int id = std::max(from, 1);
    while (list->find(id))
        ++id;
    return id;
}

int proposedId(const Basics::TValueList* list, bool reuseGaps, int maximum)
{
    if (!list)
        return 1;
    int id = reuseGaps ? lowestFreeId(list, 1) : std::max(list->nextID(), 1);
    if (id > maximum)
        id = lowestFreeId(list, 1); // the numbers above are used up: fill a gap
    return id;
}

} // namespace

TLumDlg::TLumDlg() = default;
TLumDlg::~TLumDlg() = default;

void TLumDlg::inputText(QLineEdit* edit, bool differs, const QString& text)
{
    edit->setText(differs ? QString() : text);
}

void TLumDlg::checkBox(QCheckBox* box, bool differs, bool checked)
{
    box->setTristate(differs);
    box->setCheckState(differs ? Qt::PartiallyChecked : (checked ? Qt::Checked : Qt::Unchecked));
}

void TLumDlg::spinBox(QSpinBox* spin, bool differs, int value)
{
    if (differs) {
        if (!spin->property(noChangeValue).isValid()) {
            spin->setProperty(savedMinimum, spin->minimum());
            spin->setProperty(savedSpecialText, spin->specialValueText());
            spin->setProperty(noChangeValue, spin->minimum() - 1);
            spin->setMinimum(spin->minimum() - 1);
            spin->setSpecialValueText(blank);
        }
        spin->setValue(spin->property(noChangeValue).toInt());
        return;
    }
    if (spin->property(noChangeValue).isValid()) {
        spin->setMinimum(spin->property(savedMinimum).toInt());
        spin->setSpecialValueText(spin->property(savedSpecialText).toString());
        spin->setProperty(noChangeValue, QVariant());
    }
    spin->setValue(value);
}

void TLumDlg::comboCurrent(QtWidgets::TComboBox& combo, bool differs, int id)
{
    QComboBox* box = combo.combo();
    if (!box)
        return;
    if (!differs) {
        combo.setCurrentId(id);
        return;
    }
    box->setCurrentIndex(-1);
    if (box->isEditable())
        box->setEditText(QString());
}

void TLumDlg::checkRadio(QButtonGroup* group, bool differs, int id)
{
    QAbstractButton* button = differs ? nullptr : group->button(id);
    if (button) {
        button->setChecked(true);
        return;
    }
    const bool exclusive = group->exclusive();
    group->setExclusive(false); // an exclusive group cannot uncheck its last button
    for (QAbstractButton* each : group->buttons())
        each->setChecked(false);
    group->setExclusive(exclusive);
}

void TLumDlg::inputDate(QDateEdit* edit, bool differs, const QDate& date)
{
    showBlank(edit, differs);
    if (!differs)
        edit->setDate(date);
}

void TLumDlg::inputDateTime(QDateTimeEdit* edit, bool differs, const QDateTime& dateTime)
{
    showBlank(edit, differs);
    if (!differs)
        edit->setDateTime(dateTime);
}

bool TLumDlg::inputEmpty(QLineEdit* edit)
{
    return edit->text().isEmpty();
}

bool TLumDlg::checkEmpty(QCheckBox* box)
{
    return box->checkState() == Qt::PartiallyChecked;
}

bool TLumDlg::spinEmpty(QSpinBox* spin)
{
    const QVariant value = spin->property(noChangeValue);
    return value.isValid() && spin->value() == value.toInt();
}

bool TLumDlg::comboEmpty(QtWidgets::TComboBox& combo)
{
    return !combo.combo() || combo.combo()->currentText().isEmpty();
}

bool TLumDlg::radioEmpty(QButtonGroup* group)
{
    return group->checkedId() == -1;
}

bool TLumDlg::dateEmpty(QDateEdit* edit)
{
    return isBlank(edit);
}

bool TLumDlg::dateTimeEmpty(QDateTimeEdit* edit)
{
    return isBlank(edit);
}

void TLumDlg::setListID(QSpinBox* spin, Basics::TValueList* list, TLumRecordRows*, bool reuseGaps)
{
    spin->setValue(proposedId(list, reuseGaps, spin->maximum()));
}

void TLumDlg::setListID(QLineEdit* edit, Basics::TValueList* list, TLumRecordRows*, bool reuseGaps)
{
    edit->setText(QString::number(proposedId(list, reuseGaps, std::numeric_limits<int>::max())));
}

bool TLumDlg::checkElement(QWidget* parent, Basics::TValueList* list, int id)
{
    if (id < 1) {
        prompts().warning(parent, tr("Wrong number"), tr("The number must be 1 or more."));
        return false;
    }
    const Basics::TValue* present = list ? list->find(id) : nullptr;
    if (present) {
        const QString name = present->getName();
        prompts().warning(parent, tr("Wrong number"),
                          name.isEmpty()
                              ? tr("The number %1 is already in use.\nPlease choose another one.").arg(id)
                              : tr("The number %1 is already in use by \"%2\".\nPlease choose another one.")
                                    .arg(id)
                                    .arg(name));
        return false;
    }
    return true;
}

namespace {

// Moves the selection to the row unless that row alone is selected already.
bool moveTo(TLumRecordRows* rows, int row)
{
    if (row < 0 || row >= rows->rowCount())
        return false;
    const QList<int> selected = rows->selectedRows();
    if (selected.size() == 1 && selected.first() == row)
        return false;
    rows->selectOnlyRow(row);
    return true;
}

// The first (or last) selected row, or the current row when none is selected.
int anchor(const TLumRecordRows* rows, bool last)
{
    const QList<int> selected = rows->selectedRows();
    if (selected.isEmpty())
        return rows->currentRow();
    return last ? selected.last() : selected.first();
}

} // namespace

bool TLumDlg::onFirst(TLumRecordRows* rows)
{
    return rows && moveTo(rows, 0);
}

bool TLumDlg::onPrev(TLumRecordRows* rows)
{
    if (!rows)
        return false;
    const int at = anchor(rows, false);
    return at > 0 && moveTo(rows, at - 1);
}

bool TLumDlg::onNext(TLumRecordRows* rows)
{
    return rows && moveTo(rows, anchor(rows, true) + 1);
}

bool TLumDlg::onLast(TLumRecordRows* rows)
{
    return rows && moveTo(rows, rows->rowCount() - 1);
}

bool TLumDlg::onMultiNext(TLumRecordRows* rows, int column, const QString& text)
{
    if (!rows)
        return false;
    for (int row = anchor(rows, true) + 1; row < rows->rowCount(); ++row) {
        if (rows->rowText(row, column) == text)
            return moveTo(rows, row);
    }
    return false;
}

bool TLumDlg::onMultiPrev(TLumRecordRows* rows, int column, const QString& text)
{
    if (!rows)
        return false;
    for (int row = anchor(rows, false) - 1; row >= 0; --row) {
        if (rows->rowText(row, column) == text)
            return moveTo(rows, row);
    }
    return false;
}

int TLumDlg::onFindItem(TLumRecordRows* rows, int column, const QString& text)
{
    if (!rows)
        return -1;
    for (int row = 0; row < rows->rowCount(); ++row) {
        if (rows->rowText(row, column).startsWith(text, Qt::CaseInsensitive)) {
            rows->selectOnlyRow(row);
            return row;
        }
    }
    return -1;
}

void TLumDlg::checkSelection(QDialog* dialog)
{
    TLumConfig::reapplyRight(dialog);
}

QString TLumDlg::helpDirectory()
{
    const QDir programDir(QCoreApplication::applicationDirPath());
    for (const QString& candidate : {QStringLiteral("help"), QStringLiteral("../share/lumdialogs/help")}) {
        if (QFileInfo(programDir.filePath(candidate)).isDir())
            return QDir::cleanPath(programDir.filePath(candidate));
    }
    return QString();
}

QString TLumDlg::helpPath(const QString& file)
{
    // Names the help files have in other languages, for lupdate.
    static const char* const helpFiles[] = {QT_TRANSLATE_NOOP("THelpFile", "lumdialogs.html")};
    Q_UNUSED(helpFiles);
    const QDir directory(helpDirectory());
    const QString translated = QCoreApplication::translate("THelpFile", file.toUtf8().constData());
    if (translated != file && QFileInfo::exists(directory.filePath(translated)))
        return directory.filePath(translated);
    return directory.filePath(file);
}

bool TLumDlg::helpAvailable()
{
    // The built-in viewer is always at hand; an external "pdfviewer" in the working directory is
    // preferred when present.
    return !helpDirectory().isEmpty();
}

void TLumDlg::onHelp(const QString& file, QDialog* dialog)
{
    const QString directory = helpDirectory();
    if (directory.isEmpty() || !dialog)
        return;
    const QString path = helpPath(file);
    const QString anchor = dialog->objectName();
    const QString viewer = QDir::current().filePath(QStringLiteral("pdfviewer"));
    if (QFileInfo(viewer).isExecutable()) {
        QUrl url = QUrl::fromLocalFile(path);
        url.setFragment(anchor);
        QProcess::startDetached(viewer, {url.toString()});
        return;
    }
    THelpViewer::show(path, anchor, dialog);
}
