#pragma once

#include <QDateTime>
#include <QObject>

class QAction;
class QMainWindow;

// The period the back office's views of past business work on (the statistics check), asked for
// with the validity-period dialog through the action "Select period...". It starts as today, from
// midnight to the day's last minute; the operator's choice is taken as entered and shown in the
// status bar.
class TPeriodChooser : public QObject {
    Q_OBJECT
public:
    explicit TPeriodChooser(QMainWindow* window);

    QAction* action() const { return m_action; }
    QDateTime from() const { return m_from; }
    QDateTime to() const { return m_to; }

public Q_SLOTS:
    // Asks for the period; true when the operator took the one shown.
    bool choose();

Q_SIGNALS:
    void chosen(const QDateTime& from, const QDateTime& to);

private:
    QMainWindow* m_window;
    QAction* m_action;
    QDateTime m_from;
    QDateTime m_to;
};
