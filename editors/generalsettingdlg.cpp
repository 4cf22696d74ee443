#include "generalsettingdlg.h"

#include "tprompts.h"
#include "ttextlines.h"

using PosLib::TGeneralSetting;

// The voucher system: the chosen button's id, -1 when none is chosen.
class GeneralSettingDlg::TVoucherSystemField : public LumDialogs::TField<TGeneralSetting> {
public:
    explicit TVoucherSystemField(QButtonGroup* group)
        : TField({.shownFromFirst = true})
        , m_group(group)
    {
    }
    bool differs(const TGeneralSetting& a, const TGeneralSetting& b) const override
    {
        return a.getVoucherSystem() != b.getVoucherSystem();
    }
    void show(TLumDlg& host, const TGeneralSetting& record, bool) override
    {
        host.checkRadio(m_group, false, record.getVoucherSystem());
    }
    void store(TGeneralSetting& record) const override { record.setVoucherSystem(m_group->checkedId()); }
    QVariant state() const override { return m_group->checkedId(); }
    QList<QWidget*> widgets() const override
    {
        QList<QWidget*> buttons;
        for (QAbstractButton* button : m_group->buttons())
            buttons << button;
        return buttons;
    }

private:
    QButtonGroup* m_group;
};

// The custom data sent with voucher requests: one entry per line; lines that break the format are
// dropped when the set is saved.
class GeneralSettingDlg::TCustomDataField : public LumDialogs::TField<TGeneralSetting> {
public:
    explicit TCustomDataField(QTextEdit* edit)
        : TField({.shownFromFirst = true})
        , m_edit(edit)
    {
    }
    bool differs(const TGeneralSetting& a, const TGeneralSetting& b) const override
    {
        return a.getCustomVoucherData() != b.getCustomVoucherData();
    }
    void show(TLumDlg&, const TGeneralSetting& record, bool) override
    {
        m_edit->setPlainText(record.getCustomVoucherData().join(u'\n'));
    }
    void store(TGeneralSetting& record) const override
    {
        record.setCustomVoucherData(LumDialogs::textLines(m_edit));
    }
    QVariant state() const override { return LumDialogs::rawText(m_edit); }
    QList<QWidget*> widgets() const override { return {m_edit}; }

private:
    QTextEdit* m_edit;
};

GeneralSettingDlgBase::GeneralSettingDlgBase(QWidget* parent, const char* name, bool modal,
                                             Qt::WindowFlags fl)
    : TEditorLayout(parent, name, modal, fl)
{
    connect(BonmonitorpathButton, &QPushButton::clicked, this, &GeneralSettingDlgBase::onbonmonitorpath);
    connect(m_IConExchangePathButton, &QPushButton::clicked, this, &GeneralSettingDlgBase::onIConSpoolpath);
    connect(m_IConExportPathButton, &QPushButton::clicked, this, &GeneralSettingDlgBase::onIConExportPath);
    connect(m_BakeryExchangePathButton, &QPushButton::clicked, this,
            &GeneralSettingDlgBase::onBakeryExchangePath);
}

GeneralSettingDlg::GeneralSettingDlg(TLumWindow* window, QWidget* parent)
    : TEditorDialog(window, parent, "GeneralSettingDlg")
{
}

void GeneralSettingDlg::initData()
{
    connect(BonmonitorCheckControl, &QCheckBox::toggled, this, &GeneralSettingDlg::applyBonmonitorRule);
    m_IConExchangePath->setText(TGeneralSetting::defaultIConExchangePath);
    m_IConExportPath->setText(TGeneralSetting::defaultIConExportPath);
    FillArticles();

    constexpr LumDialogs::TFieldOptions first{.shownFromFirst = true};
    constexpr LumDialogs::TFieldOptions firstPath{.shownFromFirst = true, .writeEmpty = true};
    using S = TGeneralSetting;
    fields()
        .text(m_Name, &S::getName, &S::setName)
        .text(m_IConExchangePath, &S::getIConExchangePath, &S::setIConExchangePath, firstPath)
        .spin(m_IConRequestTimeoutBox, &S::getIConResponseTimeout, &S::setIConResponseTimeout, first)
        .add(std::make_unique<TVoucherSystemField>(SystemGroupBox))
        .text(m_ProtelVoucherHostBox, &S::getProtelVoucherHost, &S::setProtelVoucherHost, firstPath)
        .spin(m_ProtelVoucherPortBox, &S::getProtelVoucherPort, &S::setProtelVoucherPort, first)
        .spin(m_ProtelVoucherTimeoutBox, &S::getProtelVoucherTimeout, &S::setProtelVoucherTimeout, first)
        .spin(m_ProtelVoucherMPEHotelIdBox, &S::getProtelVoucherMPEHotelId, &S::setProtelVoucherMPEHotelId,
              first)
        .group(CustomDataBox, &S::getHasCustomVoucherData, &S::setHasCustomVoucherData)
        .add(std::make_unique<TCustomDataField>(CustomDataField))
        .text(m_BakeryExchangePath, &S::getBakeryExchangePath, &S::setBakeryExchangePath, firstPath)
        .check(m_printonlist, &S::getPrintOnListChange, &S::setPrintOnListChange, first)
        .group(m_IConExportBox, &S::getIConExports, &S::setIConExports)
        .text(m_IConExportPath, &S::getIConExportPath, &S::setIConExportPath, firstPath)
        .combo(*m_inPlu, &S::getPreorderInPlu, &S::setPreorderInPlu)
        .combo(*m_outPlu, &S::getPreorderOutPlu, &S::setPreorderOutPlu)
        .text(BonmonitorpathControl, &S::getBonmonitorPath, &S::setBonmonitorPath, firstPath)
        .check(BonmonitorCheckControl, &S::getBonmonitorOnline, &S::setBonmonitorOnline, first);
}

void GeneralSettingDlg::showRecord(const TGeneralSetting& reference)
{
    TEditorDialog::showRecord(reference);
    applyBonmonitorRule();
}

void GeneralSettingDlg::FillArticles()
{
    m_inPlu = &chooser(m_InPLU, 5, PosLib::Lists::articles, QString(), true);
    m_outPlu = &chooser(m_OutPLU, 5, PosLib::Lists::articles, QString(), true);
    // There is no empty entry, but a new set starts without preorder articles all the same: an
    // empty chooser writes nothing.
    for (QComboBox* plu : {m_InPLU, m_OutPLU})
        plu->setCurrentIndex(-1);
}

void GeneralSettingDlg::applyBonmonitorRule()
{
    const bool on = BonmonitorCheckControl->isChecked();
    BonmonitorpathControl->setEnabled(on);
    BonmonitorpathButton->setEnabled(on);
}

void GeneralSettingDlg::choosePath(QLineEdit* field)
{
    const QString path = prompts().getExistingDirectory(this, tr("Choose a path"), field->text());
    if (!path.isEmpty())
        field->setText(path);
}

void GeneralSettingDlg::onbonmonitorpath()
{
    choosePath(BonmonitorpathControl);
}

void GeneralSettingDlg::onIConSpoolpath()
{
    choosePath(m_IConExchangePath);
}

void GeneralSettingDlg::onIConExportPath()
{
    choosePath(m_IConExportPath);
}

void GeneralSettingDlg::onBakeryExchangePath()
{
    choosePath(m_BakeryExchangePath);
}
