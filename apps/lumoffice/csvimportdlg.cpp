#include "csvimportdlg.h"

#include "csvimport.h"
#include "dialoghelp.h"

#include <QAbstractTableModel>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

using PosLib::Csv::RowState;

// The rows of the preview as a table; a model of its own, since a file holds 100,000 rows and
// more.
class TCsvPreviewModel : public QAbstractTableModel {
public:
    enum Column { Line, Id, Name, State, Details, ColumnCount };

    explicit TCsvPreviewModel(const TCsvImport& import, QObject* parent)
        : QAbstractTableModel(parent)
        , m_import(import)
    {
    }

    void reset(bool hideUnchanged)
    {
        beginResetModel();
        m_shown.clear();
        const QList<PosLib::Csv::PreviewRow>& rows = m_import.preview().rows;
        for (qsizetype row = 0; row < rows.size(); ++row) {
            if (!hideUnchanged || rows.at(row).state != RowState::Unchanged)
                m_shown.push_back(row);
        }
        endResetModel();
    }

    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : int(m_shown.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : ColumnCount;
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        const qsizetype at = m_shown.value(index.row(), -1);
        if (at < 0)
            return {};
        const PosLib::Csv::PreviewRow& row = m_import.preview().rows.at(at);
        if (role == Qt::BackgroundRole) {
            switch (row.state) {
            case RowState::New:
                return QColor(0xe2, 0xf4, 0xe2);
            case RowState::Changed:
                return QColor(0xff, 0xf4, 0xce);
            case RowState::Refused:
                return QColor(0xf8, 0xd8, 0xd8);
            case RowState::Unchanged:
                return {};
            }
        }
        if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
            return {};
        switch (index.column()) {
        case Line:
            return row.line;
        case Id:
            return row.id >= 0 ? QVariant(row.id) : QVariant();
        case Name:
            return m_import.cell(at, QStringLiteral("name"));
        case State:
            return PosLib::Csv::stateText(row.state);
        case Details:
            return row.state == RowState::Refused ? row.reason : row.changed.join(QStringLiteral(", "));
        default:
            return {};
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return QAbstractTableModel::headerData(section, orientation, role);
        switch (section) {
        case Line:
            return TCsvImportDlg::tr("Line");
        case Id:
            return TCsvImportDlg::tr("Number");
        case Name:
            return TCsvImportDlg::tr("Name");
        case State:
            return TCsvImportDlg::tr("Row");
        default:
            return TCsvImportDlg::tr("Changed columns or reason");
        }
    }

private:
    const TCsvImport& m_import;
    QList<qsizetype> m_shown;
};

TCsvImportDlg::TCsvImportDlg(TCsvImport& import, const QString& title, const QString& refusal,
                             QWidget* parent)
    : QDialog(parent)
    , m_import(import)
    , m_refusal(refusal)
    , m_separator(new QComboBox(this))
    , m_encoding(new QComboBox(this))
    , m_decimalComma(new QCheckBox(tr("&Decimal comma (1,5)"), this))
    , m_hideUnchanged(new QCheckBox(tr("Hide &unchanged rows"), this))
    , m_summary(new QLabel(this))
    , m_rows(new QTableView(this))
    , m_model(new TCsvPreviewModel(import, this))
{
    setObjectName(QStringLiteral("TCsvImportDlg"));
    setWindowTitle(tr("Import from CSV: %1").arg(title));
    m_separator->setObjectName(QStringLiteral("m_Separator"));
    m_separator->addItem(tr("Semicolon (;)"), QChar(u';'));
    m_separator->addItem(tr("Comma (,)"), QChar(u','));
    m_separator->addItem(tr("Tab"), QChar(u'\t'));
    m_encoding->setObjectName(QStringLiteral("m_Encoding"));
    m_encoding->addItem(QStringLiteral("UTF-8"), int(PosLib::Csv::Encoding::Utf8));
    m_encoding->addItem(QStringLiteral("Windows-1252"), int(PosLib::Csv::Encoding::Windows1252));
    m_decimalComma->setObjectName(QStringLiteral("m_DecimalComma"));
    m_hideUnchanged->setObjectName(QStringLiteral("m_HideUnchanged"));
    m_summary->setObjectName(QStringLiteral("m_Summary"));
    m_summary->setWordWrap(true);
    m_rows->setObjectName(QStringLiteral("m_Rows"));
    m_rows->setModel(m_model);
    m_rows->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_rows->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_rows->verticalHeader()->hide();
    m_rows->horizontalHeader()->setStretchLastSection(true);
    m_rows->setWordWrap(false);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    m_importButton = buttons->addButton(tr("&Import"), QDialogButtonBox::AcceptRole);
    m_importButton->setObjectName(QStringLiteral("b_Import"));
    offerDialogHelp(buttons, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* format = new QHBoxLayout;
    auto* separatorLabel = new QLabel(tr("&Separator:"), this);
    separatorLabel->setBuddy(m_separator);
    auto* encodingLabel = new QLabel(tr("&Encoding:"), this);
    encodingLabel->setBuddy(m_encoding);
    format->addWidget(separatorLabel);
    format->addWidget(m_separator);
    format->addSpacing(12);
    format->addWidget(encodingLabel);
    format->addWidget(m_encoding);
    format->addSpacing(12);
    format->addWidget(m_decimalComma);
    format->addStretch(1);
    format->addWidget(m_hideUnchanged);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(format);
    layout->addWidget(m_summary);
    layout->addWidget(m_rows, 1);
    layout->addWidget(buttons);

    const PosLib::Csv::Format detected = import.format();
    m_separator->setCurrentIndex(std::max(0, m_separator->findData(detected.separator)));
    m_encoding->setCurrentIndex(std::max(0, m_encoding->findData(int(detected.encoding))));
    m_decimalComma->setChecked(detected.decimalComma);
    for (QComboBox* box : {m_separator, m_encoding})
        connect(box, &QComboBox::currentIndexChanged, this, &TCsvImportDlg::formatChosen);
    connect(m_decimalComma, &QCheckBox::toggled, this, &TCsvImportDlg::formatChosen);
    connect(m_hideUnchanged, &QCheckBox::toggled, this, &TCsvImportDlg::showPreview);
    resize(860, 520);
    showPreview();
}

TCsvImportDlg::~TCsvImportDlg() = default;

void TCsvImportDlg::formatChosen()
{
    PosLib::Csv::Format format;
    format.separator = m_separator->currentData().toChar();
    format.encoding = PosLib::Csv::Encoding(m_encoding->currentData().toInt());
    format.decimalComma = m_decimalComma->isChecked();
    m_import.setFormat(format);
    showPreview();
}

void TCsvImportDlg::showPreview()
{
    m_model->reset(m_hideUnchanged->isChecked());
    m_rows->resizeColumnsToContents();
    const PosLib::Csv::Preview& preview = m_import.preview();
    const int writable = preview.count(RowState::New) + preview.count(RowState::Changed);
    QString text;
    if (!m_import.table().error.isEmpty()) {
        text = tr("<b>This file cannot be imported:</b> %1.").arg(m_import.table().error.toHtmlEscaped());
    } else {
        text = tr("%1 new, %2 changed, %3 unchanged, %4 refused. Nothing is written until you press "
                  "Import; refused rows are left out.")
                   .arg(preview.count(RowState::New))
                   .arg(preview.count(RowState::Changed))
                   .arg(preview.count(RowState::Unchanged))
                   .arg(preview.count(RowState::Refused));
        if (!preview.unknownColumns.isEmpty())
            text += u' ' + tr("Columns that no record has yet: %1.")
                               .arg(preview.unknownColumns.join(QStringLiteral(", ")).toHtmlEscaped());
    }
    if (!m_refusal.isEmpty())
        text += QStringLiteral("<br><b>%1</b>").arg(m_refusal.toHtmlEscaped());
    m_summary->setText(text);
    m_importButton->setEnabled(m_refusal.isEmpty() && writable > 0);
    m_importButton->setToolTip(m_refusal);
}
