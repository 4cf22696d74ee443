#include "tprnprintdlg.h"

#include "tcombobox.h"
#include "tlumworkspace.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TPrnPrintDlg::TPrnPrintDlg(int kind, TLumWorkspace* workspace, QWidget* parent, const char* name)
    : QDialog(parent)
    , m_Printer(new QComboBox(this))
    , m_Layout(new QComboBox(this))
{
    setObjectName(name ? QString::fromLatin1(name) : QStringLiteral("TPrnPrintDlg"));
    setModal(true);
    Q_UNUSED(kind); // every caller asks for printouts of payment forms; it names the printout
    setWindowTitle(tr("Printout"));
    m_Printer->setObjectName(QStringLiteral("m_Printer"));
    m_Layout->setObjectName(QStringLiteral("m_Layout"));
    m_printers = std::make_unique<QtWidgets::TComboBox>(m_Printer, 3);
    m_layouts = std::make_unique<QtWidgets::TComboBox>(m_Layout, 3);
    if (workspace) {
        m_printers->fill(workspace->getData(QStringLiteral("prnconfigs")));
        m_layouts->fill(workspace->getData(QStringLiteral("layconfigs")));
    }

    auto* form = new QFormLayout;
    auto* printerLabel = new QLabel(tr("&Printer:"), this);
    printerLabel->setBuddy(m_Printer);
    auto* layoutLabel = new QLabel(tr("&Layout:"), this);
    layoutLabel->setBuddy(m_Layout);
    form->addRow(printerLabel, m_Printer);
    form->addRow(layoutLabel, m_Layout);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_Ok = buttons->button(QDialogButtonBox::Ok);
    m_Ok->setObjectName(QStringLiteral("buttonOk"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("buttonCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_Printer, &QComboBox::currentIndexChanged, this, &TPrnPrintDlg::updateOk);
    connect(m_Layout, &QComboBox::currentIndexChanged, this, &TPrnPrintDlg::updateOk);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    setMinimumWidth(360);
    updateOk();
}

TPrnPrintDlg::~TPrnPrintDlg() = default;

void TPrnPrintDlg::setData(int printer, int layout)
{
    m_printers->setCurrentId(printer);
    m_layouts->setCurrentId(layout);
    updateOk();
}

void TPrnPrintDlg::getData(int& printer, int& layout) const
{
    printer = m_printers->currentId();
    layout = m_layouts->currentId();
}

void TPrnPrintDlg::updateOk()
{
    m_Ok->setEnabled(m_printers->currentId() > 0 && m_layouts->currentId() > 0);
}
