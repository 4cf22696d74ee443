// Hostile card, client, card action, action log and template texts. The first byte chooses the
// record, the rest is the text (UTF-8). The hand reader of the records' plain form must agree with
// the stream reader. What a record reads from a text it must read again from its
// own text; the typed getters, the bounded setters and the action text must cope with any value.

#include "tcardactionlog.h"
#include "tcardproperties.h"
#include "tnetcardaction.h"
#include "tnetclient.h"
#include "ttemplatecardaction.h"
#include "xmlrecordreader.h"

#include <cstddef>
#include <cstdint>

namespace {

// Where the hand reader takes a text, the stream reader reads the same from it.
void plainAsStream(const QString& text)
{
    QList<Basics::TAttribute> plain;
    QList<Basics::TAttribute> stream;
    if (!PosLib::XmlRecordReader::readPlain(text, plain))
        return;
    if (PosLib::XmlRecordReader::readStream(text, stream) != PosLib::XmlRecordReader::Outcome::Complete)
        __builtin_trap();
    Basics::TValue byHand;
    byHand.assign(plain);
    Basics::TValue byStream;
    byStream.assign(stream);
    if (!(byHand == byStream))
        __builtin_trap();
}

// Reading the record's own text gives the same attributes.
template <class Record>
void roundTrip(const QString& text)
{
    Record record;
    if (!record.setXml(text))
        return;
    Record again;
    if (!again.setXml(record.toXml()) || !(again == record))
        __builtin_trap();
}

void card(const QString& text)
{
    roundTrip<PosLib::TCardProperties>(text);
    PosLib::TCardProperties card(text);
    (void)card.getStartDate();
    (void)card.getLastProcess();
    (void)card.getCardNumber();
    (void)card.setPoints(card.getPointsSaldo() + 1);
    (void)card.setExtraPoints(QStringLiteral("extrapoints2"),
                              card.getExtraPoints(QStringLiteral("extrapoints1")));
    if (card.getPointsSaldo() > card.getPointsMax() && card.getPointsMax() >= card.getPointsMin() &&
        card.setPoints(card.getPointsSaldo()) != 10)
        __builtin_trap();
}

void action(const QString& text)
{
    roundTrip<PosLib::TNetCardAction>(text);
    const PosLib::TNetCardAction action(text);
    (void)action.getActionText();
    (void)action.getActionText([](qint64 amount) { return QString::number(amount); });
    const QString description = action.getDescription();
    PosLib::TNetCardAction copy = action;
    copy.setDescription(description);
    if (copy.getDescription() != description)
        __builtin_trap();
    // Kept in a template and read back.
    PosLib::TTemplateCardAction holder;
    holder.setActions({action, action});
    (void)holder.getActions();
}

void templates(const QString& text)
{
    PosLib::TTemplateCardAction holder;
    holder.set("templates", text);
    const QList<PosLib::TNetCardAction> actions = holder.getActions();
    for (const PosLib::TNetCardAction& action : actions)
        (void)action.getActionText();
    holder.setActions(actions);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1));
    plainAsStream(text);
    switch (data[0] % 5) {
    case 0:
        card(text);
        break;
    case 1:
        roundTrip<PosLib::TNetClient>(text);
        (void)PosLib::TNetClient(text).getBirthday();
        break;
    case 2:
        action(text);
        break;
    case 3:
        roundTrip<PosLib::TCardActionLog>(text);
        (void)PosLib::TCardActionLog(text).getActionDateTime();
        break;
    default:
        templates(text);
        break;
    }
    return 0;
}
