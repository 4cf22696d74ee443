// Hostile promotion models: the stored text is read by the record's model operations and as the
// promotion editor reads it, then written as the editor writes it and read again. Whatever the text
// held, every condition read must be kept as it was and take integer members; what is written must
// read back as the same pages, conditions and action and give the same text again (the editor
// refuses to store a model longer than a model may be, so that one is not read back).

#include "salepromotion.h"
#include "salepromotionmodel.h"
#include "salespromotioncondition.h"
#include "tjson.h"

#include <QString>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    PosLib::SalePromotion promotion;
    promotion.setModel(QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size)));
    (void)promotion.getAction();
    (void)promotion.getActionProperties();
    (void)promotion.getCombiPlu();
    (void)promotion.getPages();

    const PosLib::SalePromotionModel model = PosLib::SalePromotionModel::read(promotion.getModel());
    for (const PosLib::SalePromotionPage& page : model.pages) {
        for (const QString& text : page.conditions) {
            const auto condition = PosLib::SalesPromotionCondition::fromText(text);
            if (condition.toJson() != text)
                __builtin_trap();
            PosLib::OrderCondition order(condition);
            for (const char* name :
                 {"type", "plu", "count", "costcenter", "family", "pricelevel", "discount", "dep"})
                (void)order.getInt(name);
            order.setCount(200);
            order.setPlu(-1);
            if (order.getCount() != 200 || order.getPlu() != -1 || order.kind() != condition.kind())
                __builtin_trap();
        }
    }

    const QString written = model.text();
    if (written.size() > PosLib::Json::maxTextLength)
        return 0;
    bool readable = false;
    const PosLib::SalePromotionModel again = PosLib::SalePromotionModel::read(written, &readable);
    if (!readable || !(again == model) || again.text() != written)
        __builtin_trap();
    return 0;
}
