#include "periodchooser.h"

#include "tselectdatedlg.h"

#include <QAction>
#include <QLocale>
#include <QMainWindow>
#include <QStatusBar>

TPeriodChooser::TPeriodChooser(QMainWindow* window)
    : QObject(window)
    , m_window(window)
    , m_action(new QAction(tr("Select &period..."), this))
    , m_from(QDate::currentDate().startOfDay())
    , m_to(QDateTime(QDate::currentDate(), QTime(23, 59)))
{
    m_action->setObjectName(QStringLiteral("selectPeriod"));
    m_action->setToolTip(tr("Choose the period of the views of past business"));
    connect(m_action, &QAction::triggered, this, &TPeriodChooser::choose);
}

bool TPeriodChooser::choose()
{
    TSelectDateDlg dialog(m_window);
    dialog.setFrom(m_from);
    dialog.setTo(m_to);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    m_from = dialog.getFrom();
    m_to = dialog.getTo();
    const QLocale locale;
    m_window->statusBar()->showMessage(
        tr("Period: %1 to %2")
            .arg(locale.toString(m_from, QLocale::ShortFormat), locale.toString(m_to, QLocale::ShortFormat)));
    emit chosen(m_from, m_to);
    return true;
}
