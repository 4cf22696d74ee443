#include "screenshots.h"

#include "articleselectdialog.h"
#include "conditiondialogs.h"
#include "officewindow.h"
#include "salespromotioncondition.h"
#include "tlistdescriptor.h"
#include "tlumrecordview.h"
#include "tlumworkspace.h"

#include <QLineEdit>

int TScreenshots::renderPromotionDialogs(TOfficeWindow& window, const QDir& out)
{
    const LumDialogs::TListDescriptor* promotions =
        LumDialogs::TListDescriptor::find(QStringLiteral("salepromotions"));
    if (!promotions || !window.showList(promotions->names.root) || window.listView()->rowCount() < 2)
        return 0;
    // The second demo promotion: two pages, order conditions on a cost centre, a department.
    TLumRecordView* view = window.listView();
    view->selectOnlyRow(1);
    int written = grab(promotions->openEditor(&window, view, false).get())
                      .save(out.filePath(QStringLiteral("salepromotion-editor-conditions.png")));

    TLumWorkspace* workspace = window.workspace();
    OrderConditionDialog order(&window, workspace);
    order.Init();
    order.SetModel(PosLib::SalesPromotionCondition::fromText(
        QStringLiteral(R"({"type":1,"plu":1122,"costcenter":3,"pricelevel":0,"discount":0,"count":1})")));
    written += grab(&order).save(out.filePath(QStringLiteral("ordercondition-dialog.png")));
    DepartmentConditionDialog department(&window, workspace);
    department.Init();
    department.SetModel(
        PosLib::SalesPromotionCondition::fromText(QStringLiteral(R"({"type":2,"dep":4,"count":1})")));
    written += grab(&department).save(out.filePath(QStringLiteral("departmentcondition-dialog.png")));
    QtWidgets::ArticleSelectDialog articles(&window);
    articles.fill(workspace->getData(QStringLiteral("articles")));
    articles.SearchField->setText(QStringLiteral("cap"));
    written += grab(&articles).save(out.filePath(QStringLiteral("articleselect-dialog.png")));
    return written;
}
