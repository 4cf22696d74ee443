#include "screenshots.h"

#include "officewindow.h"
#include "tcardproperties.h"
#include "tcardserverprotocol.h"
#include "tformatcarddlg.h"
#include "tformatlogindlg.h"
#include "tlistnames.h"
#include "tlumreaderevent.h"
#include "tlumrecordview.h"
#include "tlumworkspace.h"
#include "tnetactiondlg.h"
#include "tnetactionfreedlg.h"
#include "tnetactiontemplatedlg.h"
#include "tnetcardaction.h"
#include "tnetcarddlg.h"
#include "tnetclientselectdlg.h"
#include "tnetreader.h"
#include "tpseudoproperty.h"
#include "tvaluelist.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <QTreeWidget>

namespace {

// The card editor on demo card 1001 lying on the reader, every page with its lists loaded; then the
// login and the formatting of five new cards from the card's functions.
int cardEditorShots(TOfficeWindow& window, const QDir& out)
{
    Devices::TNetReader* reader = Devices::TNetReader::find();
    const QString uid = QStringLiteral("04A1B201");
    QStringList put;
    if (!reader || !window.showList(PosLib::TListNames::of<PosLib::TPseudoProperty>().root))
        return 0;
    reader->command(PosLib::CardServer::putCard, {uid}, put);
    int written = 0;
    {
        TNetCardDlg editor(&window, &window);
        editor.setID(window.listView());
        editor.setLastKey(uid);
        QCoreApplication::postEvent(&editor, new TLumReaderEvent(uid));
        QApplication::processEvents();
        written += TScreenshots::allPages(&editor, editor.findChild<QTabWidget*>(QStringLiteral("m_Tab")))
                       .save(out.filePath(QStringLiteral("netcard-editor-pages.png")));

        TFormatLoginDlg login(&window, &editor);
        login.onlyLogin(false);
        login.setCardNumber();
        login.findChild<QLineEdit*>(QStringLiteral("m_user"))->setText(QStringLiteral("manager"));
        login.findChild<QSpinBox*>(QStringLiteral("m_count"))->setValue(5);
        written += TScreenshots::grab(&login).save(out.filePath(QStringLiteral("formatlogin-dialog.png")));
    }
    // The formatting takes the card off the reader, as it does before the first blank card.
    PosLib::TCardProperties record;
    record.setCanPoints(true);
    record.setCanCredit(true);
    TFormatCardDlg formatting(&window, window.listView(), &window);
    formatting.setData(QStringLiteral("manager"), QString(), 5, 1011, &record, 0, false);
    written += TScreenshots::grab(&formatting).save(out.filePath(QStringLiteral("formatcard-dialog.png")));
    return written;
}

} // namespace

int TScreenshots::renderCardDialogs(TOfficeWindow& window, const QDir& out)
{
    int written = 0;
    TNetClientSelectDlg picker(&window, &window);
    picker.setSearchId(3);
    written += grab(&picker).save(out.filePath(QStringLiteral("netclient-picker.png")));

    // One action of a template: a currency value.
    TNetActionTemplateDlg templateAction(&window, &window);
    templateAction.setID(nullptr);
    templateAction.m_presets->setCurrentIndex(2);
    emit templateAction.m_presets->activated(2);
    templateAction.m_currenyvalue->setText(QStringLiteral("25,00"));
    templateAction.m_description->setText(QStringLiteral("Voucher for the summer party"));
    written += grab(&templateAction).save(out.filePath(QStringLiteral("cardaction-template-dialog.png")));

    // The first action of the first demo card, as the card editor opens it.
    Devices::TNetReader* reader = Devices::TNetReader::find();
    Basics::TValueList* actions =
        window.workspace()->getData(PosLib::TListNames::of<PosLib::TNetCardAction>().root);
    const QString uid = QStringLiteral("04A1B201");
    QStringList texts;
    if (reader && actions)
        reader->command(PosLib::CardServer::getActions, {uid, QStringLiteral("false")}, texts);
    if (!texts.isEmpty()) {
        // The card editor's list of the card's actions holds it, as after loading the card.
        PosLib::TNetCardAction loaded(texts.first());
        loaded.setID(loaded.getInt("id"));
        Basics::TValue* action = actions->find(loaded.getID());
        if (action) {
            *action = loaded;
        } else {
            action = new PosLib::TNetCardAction(loaded);
            actions->insert(action);
        }
        QTreeWidget rows;
        auto* row = new QTreeWidgetItem(&rows);
        row->setText(0, QString::number(action->getID()));
        row->setSelected(true);
        TNetActionDlg cardAction(&window, &window, false);
        // The caption the card editor gives it, in the card editor's words.
        cardAction.setWindowTitle(QCoreApplication::translate("TNetCardDlg", "Edit card action..."));
        cardAction.setHeaderInfo(uid, QDateTime(QDate(2024, 3, 1), QTime(10, 0)),
                                 QDateTime(QDate(2027, 12, 31), QTime(23, 59)), QDateTime());
        cardAction.setData(&rows);
        written += grab(&cardAction).save(out.filePath(QStringLiteral("cardaction-dialog.png")));
    }

    PosLib::TNetCardAction freeAction;
    freeAction.setID(3);
    freeAction.setDateTag(2);
    freeAction.setModifier(2);
    freeAction.setField(QStringLiteral("creditsaldo"));
    freeAction.setNewValue(QStringLiteral("1000"));
    freeAction.setFreeInput(true);
    freeAction.setDescription(QStringLiteral("Top-up at the till"));
    TNetActionFreeDlg freeInput(&window, &window);
    freeInput.setData(&freeAction);
    written += grab(&freeInput).save(out.filePath(QStringLiteral("cardaction-free-dialog.png")));
    return written + cardEditorShots(window, out);
}
