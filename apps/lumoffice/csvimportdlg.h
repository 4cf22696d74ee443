#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableView;
class TCsvImport;
class TCsvPreviewModel;

// The preview of a CSV import: every row of the file as new, changed (with the changed columns),
// unchanged or refused (with the reason), with the file's separator, encoding and decimal comma
// as detected, to be chosen otherwise. Nothing is written here: "Import" accepts the dialog, and
// the caller then applies the import. A user who may not write the list sees the preview with
// "Import" disabled and the reason beside it.
class TCsvImportDlg : public QDialog {
    Q_OBJECT
public:
    TCsvImportDlg(TCsvImport& import, const QString& title, const QString& refusal, QWidget* parent);
    ~TCsvImportDlg() override;

    QTableView* rows() const { return m_rows; }
    QPushButton* importButton() const { return m_importButton; }
    QLabel* summary() const { return m_summary; }

private:
    void formatChosen();
    void showPreview();

    TCsvImport& m_import;
    QString m_refusal;
    QComboBox* m_separator;
    QComboBox* m_encoding;
    QCheckBox* m_decimalComma;
    QCheckBox* m_hideUnchanged;
    QLabel* m_summary;
    QTableView* m_rows;
    TCsvPreviewModel* m_model;
    QPushButton* m_importButton;
};
