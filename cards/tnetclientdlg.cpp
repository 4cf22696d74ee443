#include "tnetclientdlg.h"

#include "tcardreaderlink.h"
#include "tcardserverprotocol.h"
#include "tprompts.h"
#include "treadererror.h"

#include <QDir>
#include <QImageReader>
#include <QPixmap>

using PosLib::TNetClient;

namespace {

// The birthday of a client whose birthday is not known.
const QDate unknownBirthday(1800, 1, 1);
constexpr int bitmapSize = 88;

} // namespace

TNetClientDlgBase::TNetClientDlgBase(QWidget* parent, const char* name, bool modal, Qt::WindowFlags fl)
    : TEditorLayout(parent, name, modal, fl)
{
    connect(m_Bitmap, &QLineEdit::textChanged, this, &TNetClientDlgBase::setBitmap);
    connect(m_Prename, &QLineEdit::textChanged, this, &TNetClientDlgBase::onChange);
    connect(m_Name, &QLineEdit::textChanged, this, &TNetClientDlgBase::onChange);
    connect(b_Bitmap, &QPushButton::clicked, this, &TNetClientDlgBase::onBitmap);
}

void TNetClientDlgBase::onBitmap()
{
    notImplemented("onBitmap()");
}

void TNetClientDlgBase::setBitmap(const QString&)
{
    notImplemented("setBitmap(const QString&)");
}

TNetClientDlg::TNetClientDlg(TLumWindow* window, QWidget* parent)
    : TEditorDialog(window, parent, "TNetClientDlg")
    , m_reader(LumDialogs::findCardReader())
{
}

void TNetClientDlg::initData()
{
    m_birthday->setMinimumDate(unknownBirthday);
    m_birthday->setSpecialValueText(tr("not known"));
    m_birthday->setDate(unknownBirthday);
    QtWidgets::TComboBox& parents =
        chooser(m_parent, 6, PosLib::TListNames::of<TNetClient>().root, tr("not specified"));
    fields()
        .date(
            m_birthday, [](const TNetClient& c) { return c.getBirthday().date(); },
            [](TNetClient& c, const QDate& date) {
                c.setBirthday(date == unknownBirthday ? QDateTime() : QDateTime(date, QTime(0, 0)));
            })
        .combo(
            parents, [](const TNetClient& c) { return int(c.getParentId()); },
            [](TNetClient& c, int id) { c.setParentId(id); })
        .text(m_Address, &TNetClient::getAddress, &TNetClient::setAddress)
        .text(m_Name, &TNetClient::getName, &TNetClient::setName)
        .text(m_Prename, &TNetClient::getPrename, &TNetClient::setPrename)
        .text(m_Street, &TNetClient::getStreet, &TNetClient::setStreet)
        .text(m_City, &TNetClient::getCity, &TNetClient::setCity)
        .text(m_Phone1, &TNetClient::getPhone1, &TNetClient::setPhone1)
        .text(m_Phone2, &TNetClient::getPhone2, &TNetClient::setPhone2)
        .text(m_EMail, &TNetClient::getEmail, &TNetClient::setEmail)
        .text(m_Fax, &TNetClient::getFax, &TNetClient::setFax)
        .text(m_Bitmap, &TNetClient::getBitmap, &TNetClient::setBitmap);
    parents.setCurrentId(0);
}

void TNetClientDlg::onChange()
{
    TEditorDialog::onChange();
    if (!m_reader || TLumConfig::appliedRight(this) != TLumConfig::Full)
        buttonOk->setEnabled(false);
    else if (!multi)
        buttonOk->setEnabled(!m_Name->text().isEmpty() || !m_Prename->text().isEmpty());
    if (!buttonOk->isEnabled())
        buttonOk->setToolTip(m_reader ? tr("Needed before OK: a name or a first name")
                                      : tr("There is no card reader to write the client with."));
}

void TNetClientDlg::onBitmap()
{
    QString name = prompts().getOpenFileName(this, tr("Client's bitmap..."), m_Bitmap->text(),
                                             tr("Pictures (*.bmp *.xpm *.jpg *.gif *.png)"));
    if (name.isEmpty())
        return;
    // A file below the current directory (the data root) gets a name relative to it; any other
    // keeps its whole path.
    const QString current = QDir::currentPath() + u'/';
    if (name.startsWith(current))
        name.remove(0, current.size());
    m_Bitmap->setText(name);
    m_Bitmap->setModified(true);
    setBitmap(name);
}

void TNetClientDlg::setBitmap(const QString& path)
{
    QImage picture;
    if (!path.isEmpty()) {
        QImageReader reader(path);
        const QSize size = reader.size();
        if (size.isValid())
            reader.setScaledSize(size.scaled(bitmapSize, bitmapSize, Qt::KeepAspectRatio));
        picture = reader.read();
    }
    if (picture.isNull()) {
        b_Bitmap->setIcon(QIcon());
        b_Bitmap->setText(QStringLiteral("..."));
    } else {
        b_Bitmap->setText(QString());
        b_Bitmap->setIcon(QIcon(QPixmap::fromImage(picture)));
    }
}

int TNetClientDlg::writeClientToDB(const TNetClient& client)
{
    return LumDialogs::cardCommandOutcome(m_reader, PosLib::CardServer::updateClient, {client.toXml()});
}

void TNetClientDlg::storeNew(Basics::TValueList* target, std::unique_ptr<TNetClient> client)
{
    if (const int code = writeClientToDB(*client); code != 0) {
        prompts().critical(this, tr("Client insert error"), Devices::readerErrorText(code));
        refuseStore();
        return;
    }
    TEditorDialog::storeNew(target, std::move(client));
}

void TNetClientDlg::storeChanged(Basics::TValueList* target, TNetClient* client)
{
    TNetClient changed = *client;
    getData(&changed);
    if (changed == *client)
        return;
    if (const int code = writeClientToDB(changed); code != 0) {
        prompts().critical(this, tr("Client update error"), Devices::readerErrorText(code));
        refuseStore();
        return;
    }
    TEditorDialog::storeChanged(target, client);
}
