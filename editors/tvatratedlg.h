#pragma once

#include "lumdialogs_global.h"
#include "teditordialog.h"
#include "tvatrate.h"
#include "tvatratedlgbase.h"

class QValidator;

// Creates and edits VAT rates.
class LUMDIALOGS_EXPORT TVatRateDlg : public LumDialogs::TEditorDialog<TVatRateDlgBase, PosLib::TVatRate> {
    Q_OBJECT
public:
    TVatRateDlg(TLumWindow* window, QWidget* parent);

    // The rate of a VAT rate as the editors show it: a percentage with two decimals ("19.00"), or
    // for a fixed amount the amount as the system currency writes it.
    static QString rateText(const TLumWindow* window, const PosLib::TVatRate& rate);

protected:
    void initData() override;
    // A name with a comma is refused: the point of sale lists VAT rates separated by commas.
    bool validate() override;
    void showRecord(const PosLib::TVatRate& reference) override;
    void onChange() override;
    void onType(int type) override;

private:
    class TComposeField;

    // The type the typed rate is read as: the chosen button, or the record's own type where no
    // button is chosen (several records of different types).
    int typeFor(const PosLib::TVatRate& rate) const;
    void applyType(int type);
    void fillCompose();

    TComposeField* m_compose = nullptr;
    QValidator* m_percent = nullptr;
};
