#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TLumConfig;

// Logging in to the back office: one of the users of the host configuration and the password.
class TLoginDlg : public QDialog {
    Q_OBJECT
public:
    // preset: the user to offer first (0: the first one).
    TLoginDlg(const TLumConfig& config, int preset, QWidget* parent = nullptr);

    // The user whose password was given; 0 before.
    int userId() const { return m_userId; }

    void accept() override;

private:
    const TLumConfig& m_config;
    QComboBox* m_user;
    QLineEdit* m_password;
    QLabel* m_message;
    QPushButton* m_ok = nullptr;
    int m_userId = 0;
    int m_failures = 0;
};
