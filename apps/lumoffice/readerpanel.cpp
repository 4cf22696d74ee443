#include "readerpanel.h"

#include "cardservice.h"
#include "tcardserverprotocol.h"
#include "tlumworkspace.h"
#include "tnetreader.h"
#include "treadererror.h"
#include "ttcpclient.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace CardServer = PosLib::CardServer;

TReaderPanel::TReaderPanel(TLumWorkspace* workspace, QWidget* parent)
    : QDockWidget(tr("Card reader"), parent)
    , m_service(new TCardService(workspace->GetDataPath(), this))
    , m_server(new QLabel)
    , m_cards(new QComboBox)
    , m_put(new QPushButton(tr("&Put on reader")))
    , m_take(new QPushButton(tr("&Take off")))
    , m_edit(new QPushButton(tr("&Edit card...")))
    , m_onReader(new QLabel)
    , m_problem(new QLabel)
{
    setObjectName(QStringLiteral("TReaderPanel"));
    m_server->setObjectName(QStringLiteral("m_Server"));
    m_cards->setObjectName(QStringLiteral("m_Cards"));
    m_put->setObjectName(QStringLiteral("b_Put"));
    m_take->setObjectName(QStringLiteral("b_Take"));
    m_edit->setObjectName(QStringLiteral("b_EditCard"));
    m_edit->setToolTip(tr("Opens the card editor on the card on the reader"));
    m_onReader->setObjectName(QStringLiteral("m_OnReader"));
    m_problem->setObjectName(QStringLiteral("m_Problem"));
    setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);

    m_cards->setMinimumContentsLength(32);
    m_cards->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_problem->setStyleSheet(QStringLiteral("QLabel { color: #a00000; }"));
    auto* refreshButton = new QPushButton(tr("Refresh"));
    refreshButton->setObjectName(QStringLiteral("b_Refresh"));

    // One slim row under the lists.
    auto* content = new QWidget;
    auto* row = new QHBoxLayout(content);
    row->setContentsMargins(6, 2, 6, 2);
    row->addWidget(new QLabel(tr("Card:")));
    row->addWidget(m_cards);
    row->addWidget(m_put);
    row->addWidget(m_take);
    row->addWidget(refreshButton);
    row->addSpacing(12);
    row->addWidget(new QLabel(tr("On the reader:")));
    row->addWidget(m_onReader);
    row->addWidget(m_edit);
    row->addSpacing(12);
    row->addWidget(m_problem, 1);
    row->addWidget(new QLabel(tr("Server:")));
    row->addWidget(m_server);
    setWidget(content);

    m_server->setText(m_service->serverText());
    showCardOnReader(QString());
    connect(m_put, &QPushButton::clicked, this, &TReaderPanel::putCard);
    connect(m_take, &QPushButton::clicked, this, &TReaderPanel::takeCard);
    connect(refreshButton, &QPushButton::clicked, this, &TReaderPanel::refresh);
    connect(m_edit, &QPushButton::clicked, this, [this] { Q_EMIT editCard(m_uidOnReader); });
    // The reader reports from its own thread; the panel shows it in the GUI thread.
    connect(m_service->reader(), &Devices::TNetReader::dataChanged, this, &TReaderPanel::showCardOnReader,
            Qt::QueuedConnection);
    refresh();
}

TReaderPanel::~TReaderPanel() = default;

bool TReaderPanel::send(const QString& command, const QStringList& arguments, QStringList* results)
{
    const auto& settings = m_service->reader()->settings();
    Basics::TTcpClient client;
    client.setConnectTimeout(settings.connectTimeout);
    client.setTimeout(settings.replyTimeout);
    PosLib::TCardServerCall call;
    call.reader = settings.reader;
    call.command = command;
    call.arguments = arguments;
    const PosLib::TCardServerAnswer answer =
        PosLib::callCardServer(client, settings.host, settings.port, call);
    if (answer.code != 0) {
        m_problem->setText(Devices::readerErrorText(answer.code) +
                           (answer.message.isEmpty() ? QString() : QStringLiteral(": ") + answer.message));
        return false;
    }
    m_problem->clear();
    if (results)
        *results = answer.results;
    return true;
}

void TReaderPanel::refresh()
{
    const QString chosen = m_cards->currentData().toString();
    QStringList rows;
    const bool ok = send(CardServer::listCards, {}, &rows);
    m_cards->clear();
    m_cards->addItem(tr("new blank card"), QString());
    for (const QString& row : rows) {
        const QStringList columns = row.split(u'\t');
        const QString uid = columns.value(0);
        const QString number = columns.value(1);
        const QString client = columns.value(2);
        QString text = number.isEmpty() ? tr("blank card %1").arg(uid) : tr("card %1 (%2)").arg(number, uid);
        if (!client.isEmpty())
            text += QStringLiteral(" – ") + client;
        m_cards->addItem(text, uid);
    }
    const int index = m_cards->findData(chosen);
    m_cards->setCurrentIndex(index < 0 ? 0 : index);
    m_put->setEnabled(ok);
    m_take->setEnabled(ok);
}

void TReaderPanel::putCard()
{
    QStringList results;
    const QString uid = m_cards->currentData().toString();
    if (!send(CardServer::putCard, uid.isEmpty() ? QStringList() : QStringList{uid}, &results))
        return;
    if (uid.isEmpty()) {
        // The new card joins the chooser, chosen.
        refresh();
        m_cards->setCurrentIndex(qMax(0, m_cards->findData(results.value(0))));
    }
}

void TReaderPanel::takeCard()
{
    send(CardServer::takeCard, {});
}

void TReaderPanel::showCardOnReader(const QString& uid)
{
    m_uidOnReader = uid;
    if (uid.isEmpty()) {
        m_onReader->setText(tr("no card"));
        return;
    }
    m_onReader->setText(uid);
    // A card formatted or written meanwhile shows its new number.
    refresh();
}
