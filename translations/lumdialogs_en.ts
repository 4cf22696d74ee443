<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
    <context>
        <name>CashTransactionsDialog</name>
        <message>
            <source>Book vault flausch</source>
            <translation>Book vault flush</translation>
        </message>
        <message>
            <source>Booking error. Code; %1.</source>
            <translation>Booking error. Code: %1.</translation>
        </message>
    </context>
    <context>
        <name>CoatCheckRangeDlgBase</name>
        <message>
            <source>Continious</source>
            <translation>Continuous</translation>
        </message>
    </context>
    <context>
        <name>OrderConditionDialog</name>
        <message>
            <source>No article speicified.</source>
            <translation>No article specified.</translation>
        </message>
    </context>
    <context>
        <name>PosLib::TNetCardActionTemplate</name>
        <message>
            <source>substract from %1 %2 %3</source>
            <translation>subtract from %1 %2 %3</translation>
        </message>
    </context>
    <context>
        <name>TArticleHelpTextsGroupDlgBase</name>
        <message>
            <source>Add the selected  modules to the group</source>
            <translation>Add the selected modules to the group</translation>
        </message>
    </context>
    <context>
        <name>TNetActionDlgBase</name>
        <message>
            <source>The number to set, add or substract</source>
            <translation>The number to set, add or subtract</translation>
        </message>
    </context>
    <context>
        <name>TNetActionFreeDlg</name>
        <message>
            <source>substract</source>
            <translation>subtract</translation>
        </message>
    </context>
    <context>
        <name>TNetActionFreeDlgBase</name>
        <message>
            <source>The number to set, add or substract</source>
            <translation>The number to set, add or subtract</translation>
        </message>
    </context>
    <context>
        <name>TNetActionTemplateDlg</name>
        <message>
            <source>substract value</source>
            <translation>subtract value</translation>
        </message>
    </context>
    <context>
        <name>TPayformDlgBase</name>
        <message>
            <source>No addtional tip</source>
            <translation>No additional tip</translation>
        </message>
        <message>
            <source>Positiv Account</source>
            <translation>Positive Account</translation>
        </message>
        <message>
            <source>Negativ Account</source>
            <translation>Negative Account</translation>
        </message>
        <message>
            <source>Positiv Difference</source>
            <translation>Positive Difference</translation>
        </message>
        <message>
            <source>Negativ Difference</source>
            <translation>Negative Difference</translation>
        </message>
        <message>
            <source>&amp;Add...</source>
            <translation>A&amp;dd...</translation>
        </message>
        <message>
            <source>&amp;Edit...</source>
            <translation>Ed&amp;it...</translation>
        </message>
        <message>
            <source>&amp;Activate cash changer</source>
            <translation>Activate cash &amp;changer</translation>
        </message>
    </context>
    <context>
        <name>TTableCfgDlgBase</name>
        <message>
            <source>Rerservationnumber :</source>
            <translation>Reservation number:</translation>
        </message>
        <message>
            <source>&amp;Open drawer</source>
            <translation>Open dra&amp;wer</translation>
        </message>
        <message>
            <source>&amp;Activate cash changer</source>
            <translation>Activate cash &amp;changer</translation>
        </message>
    </context>
    <context>
        <name>TNetCardDlg</name>
        <message>
            <source>Spezification</source>
            <translation>Action text</translation>
        </message>
    </context>
    <context>
        <name>TTemplateActionDlg</name>
        <message>
            <source>Spezification</source>
            <translation>Action text</translation>
        </message>
    </context>
    <context>
        <name>TVatRateDlgBase</name>
        <message>
            <source>This is a in house tax per client</source>
            <translation>This is an in-house tax per client</translation>
        </message>
        <message>
            <source>Calculate from &amp;netto</source>
            <translation>Calculate from ne&amp;tto</translation>
        </message>
    </context>
    <context>
        <name>TextModulesGroupDlgBase</name>
        <message>
            <source>Add the selected  modules to the group</source>
            <translation>Add the selected modules to the group</translation>
        </message>
    </context>
    <context>
        <name>TCurrencyDlgBase</name>
        <message>
            <source>&amp;Reversal input</source>
            <translation>Re&amp;versal input</translation>
        </message>
        <message>
            <source>Alt+R</source>
            <translation>Alt+V</translation>
        </message>
    </context>
    <context>
        <name>TShiftDlgBase</name>
        <message>
            <source>&amp;Start time:</source>
            <translation>Sta&amp;rt time:</translation>
        </message>
        <message>
            <source>&amp;Wednesday</source>
            <translation>Wednesda&amp;y</translation>
        </message>
    </context>
</TS>