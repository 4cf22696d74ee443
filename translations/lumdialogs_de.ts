<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AppLanguage</name>
    <message>
        <source>The language of the texts: en or de (default: as the system locale says).</source>
        <translation>Die Sprache der Texte: en oder de (Vorgabe: wie das Gebietsschema des Systems).</translation>
    </message>
    <message>
        <source>--lang needs en or de, not %1</source>
        <translation>--lang braucht en oder de, nicht %1</translation>
    </message>
</context>
<context>
    <name>ArticleSelectDlgBase</name>
    <message>
        <source>Select Article</source>
        <translation>Artikel auswählen</translation>
    </message>
    <message>
        <source>Search:</source>
        <translation>Suche:</translation>
    </message>
    <message>
        <source>The beginning of a PLU or a part of the name</source>
        <translation>Der Anfang einer PLU oder ein Teil des Namens</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>AuthorizationDlgBase</name>
    <message>
        <source>Insert new authorization</source>
        <translation>Neue Berechtigung anlegen</translation>
    </message>
    <message>
        <source>Number:</source>
        <translation>Nummer:</translation>
    </message>
    <message>
        <source>The number of the authorization</source>
        <translation>Die Nummer der Berechtigung</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>The name of the authorization</source>
        <translation>Der Name der Berechtigung</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>What the authorization allows</source>
        <translation>Was die Berechtigung erlaubt</translation>
    </message>
    <message>
        <source>Help about this dialog</source>
        <translation>Hilfe zu diesem Dialog</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Go to the first authorization</source>
        <translation>Zur ersten Berechtigung</translation>
    </message>
    <message>
        <source>Go to the previous authorization</source>
        <translation>Zur vorigen Berechtigung</translation>
    </message>
    <message>
        <source>Go to the next authorization</source>
        <translation>Zur nächsten Berechtigung</translation>
    </message>
    <message>
        <source>Go to the last authorization</source>
        <translation>Zur letzten Berechtigung</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>Basics::TError</name>
    <message>
        <source>no file name is given</source>
        <translation>kein Dateiname angegeben</translation>
    </message>
    <message>
        <source>the file name contains an unresolved &apos;%&apos;</source>
        <translation>der Dateiname enthält ein nicht aufgelöstes „%“</translation>
    </message>
    <message>
        <source>a record has too many attributes</source>
        <translation>ein Datensatz hat zu viele Attribute</translation>
    </message>
    <message>
        <source>the file and its includes are too large</source>
        <translation>die Datei und ihre eingebundenen Dateien sind zu groß</translation>
    </message>
    <message>
        <source>the directory cannot be created</source>
        <translation>das Verzeichnis kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>the file cannot be opened</source>
        <translation>die Datei kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>the data ends in the middle of a record or cannot be read</source>
        <translation>die Daten enden mitten in einem Datensatz oder sind nicht lesbar</translation>
    </message>
    <message>
        <source>a counter in the file is not a valid number</source>
        <translation>ein Zähler in der Datei ist keine gültige Zahl</translation>
    </message>
    <message>
        <source>the file cannot be removed</source>
        <translation>die Datei kann nicht entfernt werden</translation>
    </message>
    <message>
        <source>the file cannot be renamed</source>
        <translation>die Datei kann nicht umbenannt werden</translation>
    </message>
    <message>
        <source>the file already exists</source>
        <translation>die Datei existiert bereits</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>die Datei existiert nicht</translation>
    </message>
    <message>
        <source>the name does not refer to a regular file</source>
        <translation>der Name bezeichnet keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>the file cannot be locked</source>
        <translation>die Datei kann nicht gesperrt werden</translation>
    </message>
    <message>
        <source>the text cannot be enciphered</source>
        <translation>der Text kann nicht verschlüsselt werden</translation>
    </message>
    <message>
        <source>the key is shorter than 32 bytes</source>
        <translation>der Schlüssel ist kürzer als 32 Bytes</translation>
    </message>
    <message>
        <source>error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>error %1: %2: %3</source>
        <translation>Fehler %1: %2: %3</translation>
    </message>
</context>
<context>
    <name>CashChartView</name>
    <message numerus="yes">
        <source>Last %n day(s)</source>
        <translation>
            <numerusform>Letzter Tag</numerusform>
            <numerusform>Letzte %n Tage</numerusform>
        </translation>
    </message>
    <message>
        <source>Counts of:</source>
        <translation>Zählungen von:</translation>
    </message>
    <message>
        <source>Vault:</source>
        <translation>Tresor:</translation>
    </message>
    <message>
        <source>No CCD Outlet Id found.</source>
        <translation>Keine Outlet-Nummer der Kassenzählung gefunden.</translation>
    </message>
    <message>
        <source>The cash journal cannot be read.</source>
        <translation>Das Kassenjournal kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>No counts yet</source>
        <translation>Noch keine Zählungen</translation>
    </message>
    <message>
        <source>%1: no counts yet</source>
        <translation>%1: noch keine Zählungen</translation>
    </message>
    <message numerus="yes">
        <source>%1: the last %n count(s)</source>
        <translation>
            <numerusform>%1: die letzte Zählung</numerusform>
            <numerusform>%1: die letzten %n Zählungen</numerusform>
        </translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Soll</translation>
    </message>
    <message>
        <source>Counted</source>
        <translation>Gezählt</translation>
    </message>
    <message>
        <source>Over</source>
        <translation>Mehr</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>Weniger</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Differenz</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>No cash in the vault</source>
        <translation>Kein Bargeld im Tresor</translation>
    </message>
    <message>
        <source>Cash in the vault</source>
        <translation>Bargeld im Tresor</translation>
    </message>
</context>
<context>
    <name>CashTransactionsDialog</name>
    <message>
        <source>Book vault cashIn</source>
        <translation>Tresor-Einzahlung buchen</translation>
    </message>
    <message>
        <source>Vault CashIN</source>
        <translation>Tresor-Einzahlung</translation>
    </message>
    <message>
        <source>Book vault cashout</source>
        <translation>Tresor-Auszahlung buchen</translation>
    </message>
    <message>
        <source>Vault CashOUT</source>
        <translation>Tresor-Auszahlung</translation>
    </message>
    <message>
        <source>Book vault flausch</source>
        <translation>Tresor-Abschöpfung buchen</translation>
    </message>
    <message>
        <source>Vault Flush</source>
        <translation>Tresor-Abschöpfung</translation>
    </message>
    <message>
        <source>Book CashIO</source>
        <translation>Ein-/Auszahlung buchen</translation>
    </message>
    <message>
        <source>Invalid amount.</source>
        <translation>Ungültiger Betrag.</translation>
    </message>
    <message>
        <source>Zero amount.</source>
        <translation>Betrag ist null.</translation>
    </message>
    <message>
        <source>Negative amount.</source>
        <translation>Negativer Betrag.</translation>
    </message>
    <message>
        <source>No payform selected.</source>
        <translation>Keine Zahlungsart gewählt.</translation>
    </message>
    <message>
        <source>No waiter selected.</source>
        <translation>Kein Kellner gewählt.</translation>
    </message>
    <message>
        <source>%1: Booking failed!</source>
        <translation>%1: Buchung fehlgeschlagen!</translation>
    </message>
    <message>
        <source>No currency found.</source>
        <translation>Keine Währung gefunden.</translation>
    </message>
    <message>
        <source>No amounts to book.</source>
        <translation>Keine Beträge zu buchen.</translation>
    </message>
    <message>
        <source>The fiscal device did not take the export, and it cannot be kept for later (see the log).</source>
        <translation>Das Fiskalgerät hat den Export nicht angenommen, und er kann nicht für später aufbewahrt werden (siehe Protokoll).</translation>
    </message>
    <message>
        <source>No fiscal device for export found.</source>
        <translation>Kein Fiskalgerät für den Export gefunden.</translation>
    </message>
    <message>
        <source>The fiscal device refused the export (code %1).</source>
        <translation>Das Fiskalgerät hat den Export abgelehnt (Code %1).</translation>
    </message>
    <message>
        <source>The export is kept and handed to the fiscal device with the next one.</source>
        <translation>Der Export wird aufbewahrt und mit dem nächsten an das Fiskalgerät übergeben.</translation>
    </message>
    <message>
        <source>CashIn</source>
        <translation>Einzahlung</translation>
    </message>
    <message>
        <source>CashOut</source>
        <translation>Auszahlung</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Abschöpfung</translation>
    </message>
    <message>
        <source>Vault Transactions</source>
        <translation>Tresorbuchungen</translation>
    </message>
    <message>
        <source>Lost modified data?</source>
        <translation>Geänderte Daten verwerfen?</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>CCD Value preparation failed!</source>
        <translation>Vorbereitung der Kassenzählung fehlgeschlagen!</translation>
    </message>
    <message>
        <source>No ccd data available.</source>
        <translation>Keine Daten der Kassenzählung vorhanden.</translation>
    </message>
    <message>
        <source>No locations for CCD Outlet %1 found.</source>
        <translation>Keine Standorte für Zähl-Outlet %1 gefunden.</translation>
    </message>
    <message>
        <source>CCD</source>
        <translation>Kassenzählung</translation>
    </message>
    <message>
        <source>No cashgroups for %1 available.</source>
        <translation>Keine Kassengruppen für %1 vorhanden.</translation>
    </message>
    <message>
        <source>CCD Transactions</source>
        <translation>Kassenzählungen</translation>
    </message>
    <message>
        <source>Book CCD</source>
        <translation>Kassenzählung buchen</translation>
    </message>
    <message>
        <source>Differences found! Proceed booking?</source>
        <translation>Differenzen gefunden! Trotzdem buchen?</translation>
    </message>
    <message>
        <source>%1 - LastCCD: %2</source>
        <translation>%1 - Letzte Zählung: %2</translation>
    </message>
    <message>
        <source>Pending CCD&apos;s</source>
        <translation>Ausstehende Kassenzählungen</translation>
    </message>
    <message>
        <source>Cash Transactions</source>
        <translation>Kassenbuchungen</translation>
    </message>
    <message>
        <source>Cashgroup</source>
        <translation>Kassengruppe</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Soll</translation>
    </message>
    <message>
        <source>Actual</source>
        <translation>Ist</translation>
    </message>
    <message>
        <source>Diff</source>
        <translation>Differenz</translation>
    </message>
    <message>
        <source>You may only look at the cash office.</source>
        <translation>Sie dürfen die Kassenverwaltung nur ansehen.</translation>
    </message>
    <message>
        <source>%1 (not available)</source>
        <translation>%1 (nicht verfügbar)</translation>
    </message>
    <message>
        <source>Not available</source>
        <translation>Nicht verfügbar</translation>
    </message>
    <message>
        <source>CashIO Transactions</source>
        <translation>Ein-/Auszahlungen</translation>
    </message>
    <message>
        <source>No valid number.</source>
        <translation>Keine gültige Nummer.</translation>
    </message>
    <message>
        <source>Book transaction?</source>
        <translation>Buchung ausführen?</translation>
    </message>
    <message>
        <source>Booking error. Code; %1.</source>
        <translation>Buchungsfehler. Code: %1.</translation>
    </message>
    <message>
        <source>Booking complete.</source>
        <translation>Buchung abgeschlossen.</translation>
    </message>
    <message>
        <source>No settings found.</source>
        <translation>Keine Einstellungen gefunden.</translation>
    </message>
    <message>
        <source>No costcenters found.</source>
        <translation>Keine Kostenstellen gefunden.</translation>
    </message>
    <message>
        <source>No costcenter found.</source>
        <translation>Keine Kostenstelle gefunden.</translation>
    </message>
    <message>
        <source>No waiter available.</source>
        <translation>Kein Kellner verfügbar.</translation>
    </message>
    <message>
        <source>No settings found. Can&apos;t get CCD Outlet Id.</source>
        <translation>Keine Einstellungen gefunden. Die Outlet-Nummer der Kassenzählung ist unbekannt.</translation>
    </message>
    <message>
        <source>No CCD Outlet Id found.</source>
        <translation>Keine Outlet-Nummer der Kassenzählung gefunden.</translation>
    </message>
    <message>
        <source>Amounts cannot be negative.</source>
        <translation>Beträge dürfen nicht negativ sein.</translation>
    </message>
    <message>
        <source>No data available.</source>
        <translation>Keine Daten vorhanden.</translation>
    </message>
</context>
<context>
    <name>CashTransactionsDlgBase</name>
    <message>
        <source>Cash Transactions</source>
        <translation>Kassenbuchungen</translation>
    </message>
    <message>
        <source>Cash IO</source>
        <translation>Ein-/Auszahlung</translation>
    </message>
    <message>
        <source>Waiter:</source>
        <translation>Kellner:</translation>
    </message>
    <message>
        <source>Cash Type</source>
        <translation>Buchungsart</translation>
    </message>
    <message>
        <source>Cash In</source>
        <translation>Einzahlung</translation>
    </message>
    <message>
        <source>Cash Out</source>
        <translation>Auszahlung</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Betrag:</translation>
    </message>
    <message>
        <source>Payform:</source>
        <translation>Zahlungsart:</translation>
    </message>
    <message>
        <source>Accountinfo</source>
        <translation>Kontoinfo</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Konto:</translation>
    </message>
    <message>
        <source>CCD</source>
        <translation>Kassenzählung</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Standort:</translation>
    </message>
    <message>
        <source>The count starts the location&apos;s cash anew</source>
        <translation>Die Zählung beginnt den Kassenbestand des Standorts neu</translation>
    </message>
    <message>
        <source>Initial</source>
        <translation>Anfangsbestand</translation>
    </message>
    <message>
        <source>Cash Groups</source>
        <translation>Kassengruppen</translation>
    </message>
    <message>
        <source>Vault</source>
        <translation>Tresor</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>CashIn</source>
        <translation>Einzahlung</translation>
    </message>
    <message>
        <source>CashOut</source>
        <translation>Auszahlung</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Abschöpfung</translation>
    </message>
    <message>
        <source>Bag No: </source>
        <translation>Beutel-Nr.: </translation>
    </message>
    <message>
        <source>Info:</source>
        <translation>Info:</translation>
    </message>
    <message>
        <source>Journal</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>Begin:</source>
        <translation>Beginn:</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>Ende:</translation>
    </message>
    <message>
        <source>Request</source>
        <translation>Abfragen</translation>
    </message>
    <message>
        <source>Timestamp</source>
        <translation>Zeitstempel</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Standort</translation>
    </message>
    <message>
        <source>Waiter</source>
        <translation>Kellner</translation>
    </message>
    <message>
        <source>Cashgroup</source>
        <translation>Kassengruppe</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Grund</translation>
    </message>
    <message>
        <source>Terminal</source>
        <translation>Terminal</translation>
    </message>
    <message>
        <source>Bill No.</source>
        <translation>Rechnungs-Nr.</translation>
    </message>
    <message>
        <source>Book CashIO</source>
        <translation>Ein-/Auszahlung buchen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>CoatCheckRangeDlg</name>
    <message>
        <source>PLU %1 - %2</source>
        <translation>PLU %1 - %2</translation>
    </message>
</context>
<context>
    <name>CoatCheckRangeDlgBase</name>
    <message>
        <source>Insert new coatcheck range</source>
        <translation>Neuen Garderobenbereich anlegen</translation>
    </message>
    <message>
        <source>Number:</source>
        <translation>Nummer:</translation>
    </message>
    <message>
        <source>The ID of the coatcheck range</source>
        <translation>Die Nummer des Garderobenbereichs</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>The name of the coatcheck range</source>
        <translation>Der Name des Garderobenbereichs</translation>
    </message>
    <message>
        <source>Begin:</source>
        <translation>Beginn:</translation>
    </message>
    <message>
        <source>The first ticket number of the range</source>
        <translation>Die erste Marken-Nummer des Bereichs</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>Ende:</translation>
    </message>
    <message>
        <source>The last ticket number of the range</source>
        <translation>Die letzte Marken-Nummer des Bereichs</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Tickets are handed out one number after the other</source>
        <translation>Marken werden der Reihe nach ausgegeben</translation>
    </message>
    <message>
        <source>Continious</source>
        <translation>Fortlaufend</translation>
    </message>
    <message>
        <source>Numbers of returned tickets are handed out again first</source>
        <translation>Nummern zurückgegebener Marken werden zuerst wieder ausgegeben</translation>
    </message>
    <message>
        <source>Use Gaps</source>
        <translation>Lücken nutzen</translation>
    </message>
    <message>
        <source>Articles</source>
        <translation>Artikel</translation>
    </message>
    <message>
        <source>The articles booked into this range</source>
        <translation>Die Artikel, die auf diesen Bereich gebucht werden</translation>
    </message>
    <message>
        <source>Help about this dialog</source>
        <translation>Hilfe zu diesem Dialog</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Go to the first coatcheck range</source>
        <translation>Zum ersten Garderobenbereich</translation>
    </message>
    <message>
        <source>Go to the previous coatcheck range</source>
        <translation>Zum vorigen Garderobenbereich</translation>
    </message>
    <message>
        <source>Go to the next coatcheck range</source>
        <translation>Zum nächsten Garderobenbereich</translation>
    </message>
    <message>
        <source>Go to the last coatcheck range</source>
        <translation>Zum letzten Garderobenbereich</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>ComboControl</name>
    <message>
        <source>%1 (missing)</source>
        <translation>%1 (fehlt)</translation>
    </message>
</context>
<context>
    <name>CounterDialog</name>
    <message>
        <source>Counter</source>
        <translation>Zähler</translation>
    </message>
    <message>
        <source>Total: 0,00</source>
        <translation>Summe: 0,00</translation>
    </message>
    <message>
        <source>No valid number.</source>
        <translation>Keine gültige Nummer.</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Summe: %1</translation>
    </message>
</context>
<context>
    <name>CounterDialogBase</name>
    <message>
        <source>Cash Counter</source>
        <translation>Geldzähler</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Factor</source>
        <translation>Faktor</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>DepartmentConditionDialogBase</name>
    <message>
        <source>Edit department condition</source>
        <translation>Warengruppen-Bedingung bearbeiten</translation>
    </message>
    <message>
        <source>Department</source>
        <translation>Warengruppe</translation>
    </message>
    <message>
        <source>The department of the articles</source>
        <translation>Die Warengruppe der Artikel</translation>
    </message>
    <message>
        <source>Pricelevel</source>
        <translation>Preisebene</translation>
    </message>
    <message>
        <source>Only orders at this price level</source>
        <translation>Nur Bestellungen in dieser Preisebene</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>How many are needed</source>
        <translation>Wie viele benötigt werden</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>GeneralSettingDlg</name>
    <message>
        <source>Choose a path</source>
        <translation>Verzeichnis wählen</translation>
    </message>
</context>
<context>
    <name>GeneralSettingDlgBase</name>
    <message>
        <source>Insert new general setting</source>
        <translation>Neue allgemeine Einstellung anlegen</translation>
    </message>
    <message>
        <source>N&amp;umber:</source>
        <translation>N&amp;ummer:</translation>
    </message>
    <message>
        <source>The ID of the general setting</source>
        <translation>Die Nummer der allgemeinen Einstellung</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>The name of the general setting</source>
        <translation>Der Name der allgemeinen Einstellung</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Bonmonitor path:</source>
        <translation>Bonmonitor-Pfad:</translation>
    </message>
    <message>
        <source>Orders are sent to the order display</source>
        <translation>Bestellungen werden an den Bonmonitor gesendet</translation>
    </message>
    <message>
        <source>The exchange directory of the order display</source>
        <translation>Das Austauschverzeichnis des Bonmonitors</translation>
    </message>
    <message>
        <source>Choose a path</source>
        <translation>Verzeichnis wählen</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Inventory Control</source>
        <translation>Warenwirtschaft</translation>
    </message>
    <message>
        <source>Requests</source>
        <translation>Anfragen</translation>
    </message>
    <message>
        <source>Request path:</source>
        <translation>Anfragepfad:</translation>
    </message>
    <message>
        <source>The directory through which requests go to the inventory control</source>
        <translation>Das Verzeichnis, über das Anfragen an die Warenwirtschaft gehen</translation>
    </message>
    <message>
        <source>Request timeout:</source>
        <translation>Zeitlimit der Anfragen:</translation>
    </message>
    <message>
        <source>How long an answer is waited for</source>
        <translation>Wie lange auf eine Antwort gewartet wird</translation>
    </message>
    <message>
        <source> secs</source>
        <translation> Sek.</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Path:</source>
        <translation>Pfad:</translation>
    </message>
    <message>
        <source>The directory the exports are written to</source>
        <translation>Das Verzeichnis, in das die Exporte geschrieben werden</translation>
    </message>
    <message>
        <source>Voucher</source>
        <translation>Gutschein</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Vouchers are checked by the hotel system</source>
        <translation>Gutscheine werden vom Hotelsystem geprüft</translation>
    </message>
    <message>
        <source>Protel</source>
        <translation>Protel</translation>
    </message>
    <message>
        <source>Vouchers are kept by this system</source>
        <translation>Gutscheine werden von diesem System verwaltet</translation>
    </message>
    <message>
        <source>Own voucher system</source>
        <translation>Eigenes Gutscheinsystem</translation>
    </message>
    <message>
        <source>Host:</source>
        <translation>Host:</translation>
    </message>
    <message>
        <source>The host that answers voucher requests</source>
        <translation>Der Rechner, der Gutscheinanfragen beantwortet</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>The port of the voucher host</source>
        <translation>Der Port des Gutschein-Rechners</translation>
    </message>
    <message>
        <source>MPE Hotel ID:</source>
        <translation>MPE-Hotel-ID:</translation>
    </message>
    <message>
        <source>The hotel number sent with voucher requests</source>
        <translation>Die Hotelnummer, die mit Gutscheinanfragen gesendet wird</translation>
    </message>
    <message>
        <source>Custom Data</source>
        <translation>Eigene Daten</translation>
    </message>
    <message>
        <source>Data sent with every voucher request, one entry per line</source>
        <translation>Daten, die mit jeder Gutscheinanfrage gesendet werden, ein Eintrag pro Zeile</translation>
    </message>
    <message>
        <source>&lt;p&gt;One entry per line; lines that break the rules are dropped when the setting is saved.&lt;/p&gt;&lt;p&gt;&lt;b&gt;User data&lt;/b&gt;: &lt;i&gt;Key=Value&lt;/i&gt;, sent as it is written, for example &lt;tt&gt;userid=334&lt;/tt&gt; or &lt;tt&gt;outlet=Bar&lt;/tt&gt;.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Automatic data&lt;/b&gt;: &lt;i&gt;Scope.Name&lt;/i&gt;, filled in by the point of sale when the request is sent. Scopes: &lt;tt&gt;terminal&lt;/tt&gt; (the terminal, for example &lt;tt&gt;terminal.waiter&lt;/tt&gt;), &lt;tt&gt;tablecreate&lt;/tt&gt; (the table when it was opened, for example &lt;tt&gt;tablecreate.time&lt;/tt&gt;) and &lt;tt&gt;tableheader&lt;/tt&gt; (the table&apos;s header data, for example &lt;tt&gt;tableheader.guests&lt;/tt&gt;).&lt;/p&gt;&lt;p&gt;A line holds at most one &quot;.&quot; and one &quot;=&quot;, and no &quot;:&quot;.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Ein Eintrag pro Zeile; Zeilen, die gegen die Regeln verstoßen, werden beim Speichern der Einstellung verworfen.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Benutzerdaten&lt;/b&gt;: &lt;i&gt;Schlüssel=Wert&lt;/i&gt;, wird so gesendet, wie es geschrieben ist, zum Beispiel &lt;tt&gt;userid=334&lt;/tt&gt; oder &lt;tt&gt;outlet=Bar&lt;/tt&gt;.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Automatische Daten&lt;/b&gt;: &lt;i&gt;Bereich.Name&lt;/i&gt;, von der Kasse beim Senden der Anfrage ausgefüllt. Bereiche: &lt;tt&gt;terminal&lt;/tt&gt; (das Terminal, zum Beispiel &lt;tt&gt;terminal.waiter&lt;/tt&gt;), &lt;tt&gt;tablecreate&lt;/tt&gt; (der Tisch beim Öffnen, zum Beispiel &lt;tt&gt;tablecreate.time&lt;/tt&gt;) und &lt;tt&gt;tableheader&lt;/tt&gt; (die Kopfdaten des Tisches, zum Beispiel &lt;tt&gt;tableheader.guests&lt;/tt&gt;).&lt;/p&gt;&lt;p&gt;Eine Zeile enthält höchstens einen &quot;.&quot; und ein &quot;=&quot;, und keinen &quot;:&quot;.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Bakery</source>
        <translation>Bäckerei</translation>
    </message>
    <message>
        <source>Exchange Path:</source>
        <translation>Austauschpfad:</translation>
    </message>
    <message>
        <source>The directory of the bakery exchange</source>
        <translation>Das Austauschverzeichnis der Bäckerei</translation>
    </message>
    <message>
        <source>print on list change</source>
        <translation>bei Listenänderung drucken</translation>
    </message>
    <message>
        <source>Print the preorder list whenever it changes</source>
        <translation>Die Vorbestellliste bei jeder Änderung drucken</translation>
    </message>
    <message>
        <source>Preorder In PLU:</source>
        <translation>Vorbestellung-Ein-PLU:</translation>
    </message>
    <message>
        <source>The article that books incoming preorders</source>
        <translation>Der Artikel, der eingehende Vorbestellungen bucht</translation>
    </message>
    <message>
        <source>Preorder OUT PLU:</source>
        <translation>Vorbestellung-Aus-PLU:</translation>
    </message>
    <message>
        <source>The article that books outgoing preorders</source>
        <translation>Der Artikel, der ausgehende Vorbestellungen bucht</translation>
    </message>
    <message>
        <source>Help about this dialog</source>
        <translation>Hilfe zu diesem Dialog</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Go to the first general setting</source>
        <translation>Zur ersten allgemeinen Einstellung</translation>
    </message>
    <message>
        <source>Go to the previous general setting</source>
        <translation>Zur vorigen allgemeinen Einstellung</translation>
    </message>
    <message>
        <source>Go to the next general setting</source>
        <translation>Zur nächsten allgemeinen Einstellung</translation>
    </message>
    <message>
        <source>Go to the last general setting</source>
        <translation>Zur letzten allgemeinen Einstellung</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>HashTagDlgBase</name>
    <message>
        <source>Insert new hashtag</source>
        <translation>Neuen Hashtag anlegen</translation>
    </message>
    <message>
        <source>Number:</source>
        <translation>Nummer:</translation>
    </message>
    <message>
        <source>The ID of the hashtag</source>
        <translation>Die Nummer des Hashtags</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>The name of the hashtag</source>
        <translation>Der Name des Hashtags</translation>
    </message>
    <message>
        <source>Button:</source>
        <translation>Taste:</translation>
    </message>
    <message>
        <source>The buttontext of the hashtag</source>
        <translation>Der Tastentext des Hashtags</translation>
    </message>
    <message>
        <source>Tag:</source>
        <translation>Tag:</translation>
    </message>
    <message>
        <source>The hashtag</source>
        <translation>Der Hashtag</translation>
    </message>
    <message>
        <source>Help about this dialog</source>
        <translation>Hilfe zu diesem Dialog</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Go to the first hashtag</source>
        <translation>Zum ersten Hashtag</translation>
    </message>
    <message>
        <source>Go to the previous hashtag</source>
        <translation>Zum vorigen Hashtag</translation>
    </message>
    <message>
        <source>Go to the next hashtag</source>
        <translation>Zum nächsten Hashtag</translation>
    </message>
    <message>
        <source>Go to the last hashtag</source>
        <translation>Zum letzten Hashtag</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>LumDialogs</name>
    <message>
        <source>Storage error</source>
        <translation>Speicherfehler</translation>
    </message>
    <message>
        <source>The change could not be stored:
%1</source>
        <translation>Die Änderung konnte nicht gespeichert werden:
%1</translation>
    </message>
    <message>
        <source>The record cannot be saved as it is: a required input is empty.
Discard your changes?</source>
        <translation>Der Datensatz kann so nicht gespeichert werden: Eine Pflichteingabe ist leer.
Änderungen verwerfen?</translation>
    </message>
    <message>
        <source>Your changes have not been saved.
Discard them?</source>
        <translation>Ihre Änderungen wurden nicht gespeichert.
Verwerfen?</translation>
    </message>
    <message>
        <source>Discard changes</source>
        <translation>Änderungen verwerfen</translation>
    </message>
    <message>
        <source>(missing)</source>
        <translation>(fehlt)</translation>
    </message>
    <message>
        <source>This value goes into every selected record.</source>
        <translation>Dieser Wert geht in jeden ausgewählten Datensatz.</translation>
    </message>
    <message>
        <source>(several values)</source>
        <translation>(mehrere Werte)</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Satz</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>from netto</source>
        <translation>vom Netto</translation>
    </message>
    <message>
        <source>fixed amount</source>
        <translation>fester Betrag</translation>
    </message>
    <message>
        <source>from brutto</source>
        <translation>vom Brutto</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>%1: edit record</source>
        <translation>%1: Datensatz bearbeiten</translation>
    </message>
    <message>
        <source>%1: edit records</source>
        <translation>%1: Datensätze bearbeiten</translation>
    </message>
    <message>
        <source>Master data</source>
        <translation>Stammdaten</translation>
    </message>
    <message>
        <source>Venue</source>
        <translation>Betrieb</translation>
    </message>
    <message>
        <source>Cards and clients</source>
        <translation>Karten und Kunden</translation>
    </message>
    <message>
        <source>Cash office</source>
        <translation>Kassenverwaltung</translation>
    </message>
    <message>
        <source>Promotions</source>
        <translation>Aktionen</translation>
    </message>
    <message>
        <source>Currencies</source>
        <translation>Währungen</translation>
    </message>
    <message>
        <source>Edit currency</source>
        <translation>Währung bearbeiten</translation>
    </message>
    <message>
        <source>Edit currencies</source>
        <translation>Währungen bearbeiten</translation>
    </message>
    <message>
        <source>Short name</source>
        <translation>Kurzname</translation>
    </message>
    <message>
        <source>Decimals</source>
        <translation>Nachkommastellen</translation>
    </message>
    <message>
        <source>VAT rates</source>
        <translation>MwSt.-Sätze</translation>
    </message>
    <message>
        <source>Edit VAT rate</source>
        <translation>MwSt.-Satz bearbeiten</translation>
    </message>
    <message>
        <source>Edit VAT rates</source>
        <translation>MwSt.-Sätze bearbeiten</translation>
    </message>
    <message>
        <source>Composed of</source>
        <translation>Zusammengesetzt aus</translation>
    </message>
    <message>
        <source>Tax groups</source>
        <translation>Steuergruppen</translation>
    </message>
    <message>
        <source>Edit tax group</source>
        <translation>Steuergruppe bearbeiten</translation>
    </message>
    <message>
        <source>Edit tax groups</source>
        <translation>Steuergruppen bearbeiten</translation>
    </message>
    <message>
        <source>Discounts</source>
        <translation>Rabatte</translation>
    </message>
    <message>
        <source>Edit discount</source>
        <translation>Rabatt bearbeiten</translation>
    </message>
    <message>
        <source>Edit discounts</source>
        <translation>Rabatte bearbeiten</translation>
    </message>
    <message>
        <source>Absolute</source>
        <translation>Absolut</translation>
    </message>
    <message>
        <source>Article</source>
        <translation>Artikel</translation>
    </message>
    <message>
        <source>Price levels</source>
        <translation>Preisebenen</translation>
    </message>
    <message>
        <source>Edit pricelevel</source>
        <translation>Preisebene bearbeiten</translation>
    </message>
    <message>
        <source>Edit pricelevels</source>
        <translation>Preisebenen bearbeiten</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>Cost centres</source>
        <translation>Kostenstellen</translation>
    </message>
    <message>
        <source>Edit cost center</source>
        <translation>Kostenstelle bearbeiten</translation>
    </message>
    <message>
        <source>Edit cost centers</source>
        <translation>Kostenstellen bearbeiten</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Payment forms</source>
        <translation>Zahlungsarten</translation>
    </message>
    <message>
        <source>Edit payform</source>
        <translation>Zahlungsart bearbeiten</translation>
    </message>
    <message>
        <source>Edit payforms</source>
        <translation>Zahlungsarten bearbeiten</translation>
    </message>
    <message>
        <source>Button</source>
        <translation>Taste</translation>
    </message>
    <message>
        <source>Pricing method</source>
        <translation>Preisfindung</translation>
    </message>
    <message>
        <source>Order if less</source>
        <translation>Bestellen, wenn weniger</translation>
    </message>
    <message>
        <source>Order if more</source>
        <translation>Bestellen, wenn mehr</translation>
    </message>
    <message>
        <source>Order PLU</source>
        <translation>Rundungs-PLU</translation>
    </message>
    <message>
        <source>No bonus department</source>
        <translation>Keine Bonus-Warengruppe</translation>
    </message>
    <message>
        <source>Bill printers</source>
        <translation>Rechnungsdrucker</translation>
    </message>
    <message>
        <source>Bill layouts</source>
        <translation>Rechnungslayouts</translation>
    </message>
    <message>
        <source>Part bill printers</source>
        <translation>Teilrechnungsdrucker</translation>
    </message>
    <message>
        <source>Part bill layouts</source>
        <translation>Teilrechnungslayouts</translation>
    </message>
    <message>
        <source>Restore printers</source>
        <translation>Wiederherstellungsdrucker</translation>
    </message>
    <message>
        <source>Restore layouts</source>
        <translation>Wiederherstellungslayouts</translation>
    </message>
    <message>
        <source>Articles</source>
        <translation>Artikel</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Preis</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>Familie</translation>
    </message>
    <message>
        <source>Department</source>
        <translation>Warengruppe</translation>
    </message>
    <message>
        <source>VAT rate</source>
        <translation>MwSt.-Satz</translation>
    </message>
    <message>
        <source>Families</source>
        <translation>Familien</translation>
    </message>
    <message>
        <source>Departments</source>
        <translation>Warengruppen</translation>
    </message>
    <message>
        <source>Pricing methods</source>
        <translation>Preisfindungen</translation>
    </message>
    <message>
        <source>Subvention maps</source>
        <translation>Subventionszuordnungen</translation>
    </message>
    <message>
        <source>Edit subvent mapping</source>
        <translation>Subventionszuordnung bearbeiten</translation>
    </message>
    <message>
        <source>Edit subvent mappings</source>
        <translation>Subventionszuordnungen bearbeiten</translation>
    </message>
    <message>
        <source>Subvention</source>
        <translation>Subvention</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <source>Max count</source>
        <translation>Höchstanzahl</translation>
    </message>
    <message>
        <source>Payform</source>
        <translation>Zahlungsart</translation>
    </message>
    <message>
        <source>Text modules</source>
        <translation>Textbausteine</translation>
    </message>
    <message>
        <source>Edit text module</source>
        <translation>Textbaustein bearbeiten</translation>
    </message>
    <message>
        <source>Edit text modules</source>
        <translation>Textbausteine bearbeiten</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Text module groups</source>
        <translation>Textbausteingruppen</translation>
    </message>
    <message>
        <source>Edit text modulegroup</source>
        <translation>Textbausteingruppe bearbeiten</translation>
    </message>
    <message>
        <source>Edit text modulegroups</source>
        <translation>Textbausteingruppen bearbeiten</translation>
    </message>
    <message>
        <source>Modules</source>
        <translation>Bausteine</translation>
    </message>
    <message>
        <source>Article help texts</source>
        <translation>Artikel-Hilfetexte</translation>
    </message>
    <message>
        <source>Edit helptext</source>
        <translation>Hilfetext bearbeiten</translation>
    </message>
    <message>
        <source>Edit helptexts</source>
        <translation>Hilfetexte bearbeiten</translation>
    </message>
    <message>
        <source>Help text groups</source>
        <translation>Hilfetextgruppen</translation>
    </message>
    <message>
        <source>Edit helptext group</source>
        <translation>Hilfetextgruppe bearbeiten</translation>
    </message>
    <message>
        <source>Edit helptext groups</source>
        <translation>Hilfetextgruppen bearbeiten</translation>
    </message>
    <message>
        <source>Hash tags</source>
        <translation>Hashtags</translation>
    </message>
    <message>
        <source>Edit hashtag</source>
        <translation>Hashtag bearbeiten</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>General settings</source>
        <translation>Allgemeine Einstellungen</translation>
    </message>
    <message>
        <source>Edit general setting</source>
        <translation>Allgemeine Einstellung bearbeiten</translation>
    </message>
    <message>
        <source>Edit general settings</source>
        <translation>Allgemeine Einstellungen bearbeiten</translation>
    </message>
    <message>
        <source>Voucher system</source>
        <translation>Gutscheinsystem</translation>
    </message>
    <message>
        <source>Bakery exchange</source>
        <translation>Bäckerei-Austausch</translation>
    </message>
    <message>
        <source>System settings</source>
        <translation>Systemeinstellungen</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>System currency</source>
        <translation>Systemwährung</translation>
    </message>
    <message>
        <source>Table configurations</source>
        <translation>Tischkonfigurationen</translation>
    </message>
    <message>
        <source>Edit table configuration</source>
        <translation>Tischkonfiguration bearbeiten</translation>
    </message>
    <message>
        <source>Edit table configurations</source>
        <translation>Tischkonfigurationen bearbeiten</translation>
    </message>
    <message>
        <source>Cost centre</source>
        <translation>Kostenstelle</translation>
    </message>
    <message>
        <source>Waiter</source>
        <translation>Kellner</translation>
    </message>
    <message>
        <source>Menu card</source>
        <translation>Speisekarte</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Währung</translation>
    </message>
    <message>
        <source>Price level</source>
        <translation>Preisebene</translation>
    </message>
    <message>
        <source>Creation article</source>
        <translation>Anlage-Artikel</translation>
    </message>
    <message>
        <source>Menu cards</source>
        <translation>Speisekarten</translation>
    </message>
    <message>
        <source>Edit menu card</source>
        <translation>Speisekarte bearbeiten</translation>
    </message>
    <message>
        <source>Edit menu cards</source>
        <translation>Speisekarten bearbeiten</translation>
    </message>
    <message>
        <source>Excluded articles</source>
        <translation>Ausgeschlossene Artikel</translation>
    </message>
    <message>
        <source>Shifts</source>
        <translation>Schichten</translation>
    </message>
    <message>
        <source>Edit shift</source>
        <translation>Schicht bearbeiten</translation>
    </message>
    <message>
        <source>Edit shifts</source>
        <translation>Schichten bearbeiten</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Shift groups</source>
        <translation>Schichtgruppen</translation>
    </message>
    <message>
        <source>Edit shift group</source>
        <translation>Schichtgruppe bearbeiten</translation>
    </message>
    <message>
        <source>Edit shift groups</source>
        <translation>Schichtgruppen bearbeiten</translation>
    </message>
    <message>
        <source>Working models</source>
        <translation>Arbeitszeitmodelle</translation>
    </message>
    <message>
        <source>Edit workingmodel</source>
        <translation>Arbeitszeitmodell bearbeiten</translation>
    </message>
    <message>
        <source>Edit workingmodels</source>
        <translation>Arbeitszeitmodelle bearbeiten</translation>
    </message>
    <message>
        <source>Grace period</source>
        <translation>Kulanzzeit</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Waiters</source>
        <translation>Kellner</translation>
    </message>
    <message>
        <source>Trainee</source>
        <translation>Auszubildender</translation>
    </message>
    <message>
        <source>Waiter rights</source>
        <translation>Kellnerrechte</translation>
    </message>
    <message>
        <source>Coat-check ranges</source>
        <translation>Garderobenbereiche</translation>
    </message>
    <message>
        <source>Edit coatcheck range</source>
        <translation>Garderobenbereich bearbeiten</translation>
    </message>
    <message>
        <source>Edit coatcheck ranges</source>
        <translation>Garderobenbereiche bearbeiten</translation>
    </message>
    <message>
        <source>Begin</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Outlets</source>
        <translation>Outlets</translation>
    </message>
    <message>
        <source>Terminals</source>
        <translation>Terminals</translation>
    </message>
    <message>
        <source>Printers</source>
        <translation>Drucker</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Layouts</source>
        <translation>Layouts</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Printer controls</source>
        <translation>Druckersteuerungen</translation>
    </message>
    <message>
        <source>Modifiers</source>
        <translation>Modifikatoren</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Karten</translation>
    </message>
    <message>
        <source>Chip</source>
        <translation>Chip</translation>
    </message>
    <message>
        <source>Client</source>
        <translation>Kunde</translation>
    </message>
    <message>
        <source>Clients</source>
        <translation>Kunden</translation>
    </message>
    <message>
        <source>Edit client</source>
        <translation>Kunde bearbeiten</translation>
    </message>
    <message>
        <source>Edit clients</source>
        <translation>Kunden bearbeiten</translation>
    </message>
    <message>
        <source>First name</source>
        <translation>Vorname</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Parent</source>
        <translation>Übergeordnet</translation>
    </message>
    <message>
        <source>Card action templates</source>
        <translation>Kartenaktionsvorlagen</translation>
    </message>
    <message>
        <source>Edit card action template...</source>
        <translation>Kartenaktionsvorlage bearbeiten...</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Aktionen</translation>
    </message>
    <message>
        <source>Authorizations</source>
        <translation>Berechtigungen</translation>
    </message>
    <message>
        <source>Z counts</source>
        <translation>Z-Abschläge</translation>
    </message>
    <message>
        <source>Sales promotions</source>
        <translation>Verkaufsaktionen</translation>
    </message>
    <message>
        <source>Edit sales promotion</source>
        <translation>Verkaufsaktion bearbeiten</translation>
    </message>
    <message>
        <source>Edit sale promotions</source>
        <translation>Verkaufsaktionen bearbeiten</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Promotion groups</source>
        <translation>Aktionsgruppen</translation>
    </message>
    <message>
        <source>Edit sale promotions group</source>
        <translation>Aktionsgruppe bearbeiten</translation>
    </message>
    <message>
        <source>Edit sale promotions groups</source>
        <translation>Aktionsgruppen bearbeiten</translation>
    </message>
    <message>
        <source>Manage card properties</source>
        <translation>Karteneigenschaften verwalten</translation>
    </message>
    <message>
        <source>Card number</source>
        <translation>Kartennummer</translation>
    </message>
    <message>
        <source>Edit authorization</source>
        <translation>Berechtigung bearbeiten</translation>
    </message>
    <message>
        <source>Edit authorizations</source>
        <translation>Berechtigungen bearbeiten</translation>
    </message>
</context>
<context>
    <name>LumDialogs::TEditorForm</name>
    <message>
        <source>required</source>
        <translation>Pflichtfeld</translation>
    </message>
    <message>
        <source>Needed before OK: %1</source>
        <translation>Vor OK nötig: %1</translation>
    </message>
</context>
<context>
    <name>LumDialogs::TRecordDlg</name>
    <message>
        <source>%1: new record</source>
        <translation>%1: neuer Datensatz</translation>
    </message>
    <message>
        <source>None specified</source>
        <translation>Keine Angabe</translation>
    </message>
</context>
<context>
    <name>OrderConditionDialog</name>
    <message>
        <source> pcs</source>
        <translation> Stk.</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorieren</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>No article speicified.</source>
        <translation>Kein Artikel angegeben.</translation>
    </message>
    <message>
        <source>(missing)</source>
        <translation>(fehlt)</translation>
    </message>
</context>
<context>
    <name>OrderConditionDialogBase</name>
    <message>
        <source>Edit order condition</source>
        <translation>Bestellbedingung bearbeiten</translation>
    </message>
    <message>
        <source>Article</source>
        <translation>Artikel</translation>
    </message>
    <message>
        <source>Choose the article</source>
        <translation>Artikel auswählen</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Costcenter</source>
        <translation>Kostenstelle</translation>
    </message>
    <message>
        <source>Only orders on this cost centre</source>
        <translation>Nur Bestellungen auf dieser Kostenstelle</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>Familie</translation>
    </message>
    <message>
        <source>Only articles of this family</source>
        <translation>Nur Artikel dieser Familie</translation>
    </message>
    <message>
        <source>Pricelevel</source>
        <translation>Preisebene</translation>
    </message>
    <message>
        <source>Only orders at this price level</source>
        <translation>Nur Bestellungen in dieser Preisebene</translation>
    </message>
    <message>
        <source>Discount</source>
        <translation>Rabatt</translation>
    </message>
    <message>
        <source>Whether the order must be discounted</source>
        <translation>Ob die Bestellung rabattiert sein muss</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>How many are needed</source>
        <translation>Wie viele benötigt werden</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>PosLib::Csv</name>
    <message>
        <source>line %1 is longer than %2 characters</source>
        <translation>Zeile %1 ist länger als %2 Zeichen</translation>
    </message>
    <message>
        <source>line %1 holds a NUL character: the file is no CSV text</source>
        <translation>Zeile %1 enthält ein NUL-Zeichen: Die Datei ist kein CSV-Text</translation>
    </message>
    <message>
        <source>line %1 has more than %2 columns</source>
        <translation>Zeile %1 hat mehr als %2 Spalten</translation>
    </message>
    <message>
        <source>the file has more than %1 fields</source>
        <translation>die Datei hat mehr als %1 Felder</translation>
    </message>
    <message>
        <source>the quote that begins on line %1 is never closed</source>
        <translation>das Anführungszeichen in Zeile %1 wird nie geschlossen</translation>
    </message>
    <message>
        <source>the id &quot;%1&quot; is no number of 0 or more</source>
        <translation>die Nummer &quot;%1&quot; ist keine Zahl ab 0</translation>
    </message>
    <message>
        <source>%1 fields where the first line names %2 columns</source>
        <translation>%1 Felder, wo die erste Zeile %2 Spalten nennt</translation>
    </message>
    <message>
        <source>a value holds a control character</source>
        <translation>ein Wert enthält ein Steuerzeichen</translation>
    </message>
    <message>
        <source>the file is larger than %1 MiB</source>
        <translation>die Datei ist größer als %1 MiB</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>the first line names no column &quot;id&quot;; is it a CSV file of a list, with the separator &quot;%1&quot;?</source>
        <translation>die erste Zeile nennt keine Spalte &quot;id&quot;; ist es eine CSV-Datei einer Liste, mit dem Trennzeichen &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>the first line names a column twice or has a column without a name</source>
        <translation>die erste Zeile nennt eine Spalte zweimal oder hat eine Spalte ohne Namen</translation>
    </message>
    <message>
        <source>the id %1 is on line %2 already</source>
        <translation>die Nummer %1 steht schon in Zeile %2</translation>
    </message>
    <message>
        <source>the id %1 was taken meanwhile</source>
        <translation>die Nummer %1 wurde inzwischen vergeben</translation>
    </message>
    <message>
        <source>the record %1 was deleted meanwhile</source>
        <translation>der Datensatz %1 wurde inzwischen gelöscht</translation>
    </message>
    <message>
        <source>new</source>
        <translation>neu</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>geändert</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>unverändert</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>abgewiesen</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <source>separator %1, %2, %3</source>
        <translation>Trennzeichen %1, %2, %3</translation>
    </message>
    <message>
        <source>decimal comma</source>
        <translation>Dezimalkomma</translation>
    </message>
    <message>
        <source>decimal point</source>
        <translation>Dezimalpunkt</translation>
    </message>
</context>
<context>
    <name>PosLib::TCardServerCall</name>
    <message>
        <source>The command holds characters that cannot be sent.</source>
        <translation>Der Befehl enthält Zeichen, die nicht gesendet werden können.</translation>
    </message>
    <message>
        <source>The card server&apos;s answer cannot be read.</source>
        <translation>Die Antwort des Kartenservers ist nicht lesbar.</translation>
    </message>
</context>
<context>
    <name>PosLib::TNetCardActionTemplate</name>
    <message>
        <source>free input</source>
        <translation>freie Eingabe</translation>
    </message>
    <message>
        <source>day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>months</source>
        <translation>Monate</translation>
    </message>
    <message>
        <source>year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>years</source>
        <translation>Jahre</translation>
    </message>
    <message>
        <source>set %1 to %2</source>
        <translation>%1 auf %2 setzen</translation>
    </message>
    <message>
        <source>add %1 %2 to %3</source>
        <translation>%1 %2 zu %3 addieren</translation>
    </message>
    <message>
        <source>substract from %1 %2 %3</source>
        <translation>von %1 %2 %3 abziehen</translation>
    </message>
</context>
<context>
    <name>QtWidgets::ArticleSelectDialog</name>
    <message>
        <source>PLU</source>
        <translation>PLU</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
</context>
<context>
    <name>SalePromotionDialog</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>Bestellung</translation>
    </message>
    <message>
        <source>Department</source>
        <translation>Warengruppe</translation>
    </message>
    <message>
        <source>New Page</source>
        <translation>Neue Seite</translation>
    </message>
    <message>
        <source>Sale Promotion</source>
        <translation>Verkaufsaktion</translation>
    </message>
    <message>
        <source>The promotion is too large to be stored (%1 characters, at most %2). Remove conditions or pages.</source>
        <translation>Die Aktion ist zu groß zum Speichern (%1 Zeichen, höchstens %2). Entfernen Sie Bedingungen oder Seiten.</translation>
    </message>
    <message>
        <source>Conditions of %1</source>
        <translation>Bedingungen von %1</translation>
    </message>
    <message>
        <source>Conditions</source>
        <translation>Bedingungen</translation>
    </message>
    <message>
        <source>Enter a pagename</source>
        <translation>Geben Sie einen Seitennamen ein</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>One page must exist.</source>
        <translation>Eine Seite muss bestehen bleiben.</translation>
    </message>
    <message>
        <source>Remove Page</source>
        <translation>Seite entfernen</translation>
    </message>
    <message>
        <source>Remove Page?</source>
        <translation>Seite entfernen?</translation>
    </message>
    <message>
        <source>Remove Condition</source>
        <translation>Bedingung entfernen</translation>
    </message>
    <message>
        <source>Remove Condition?</source>
        <translation>Bedingung entfernen?</translation>
    </message>
</context>
<context>
    <name>SalePromotionDialogBase</name>
    <message>
        <source>Sale Promotion</source>
        <translation>Verkaufsaktion</translation>
    </message>
    <message>
        <source>N&amp;umber:</source>
        <translation>N&amp;ummer:</translation>
    </message>
    <message>
        <source>The ID</source>
        <translation>Die Nummer</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>The name</source>
        <translation>Der Name</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Beschreibung:</translation>
    </message>
    <message>
        <source>A Description for the promotion</source>
        <translation>Eine Beschreibung der Aktion</translation>
    </message>
    <message>
        <source>Conditions</source>
        <translation>Bedingungen</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>Add a page</source>
        <translation>Eine Seite hinzufügen</translation>
    </message>
    <message>
        <source>Add Page</source>
        <translation>Seite hinzufügen</translation>
    </message>
    <message>
        <source>Remove the selected page</source>
        <translation>Die gewählte Seite entfernen</translation>
    </message>
    <message>
        <source>Remove Page</source>
        <translation>Seite entfernen</translation>
    </message>
    <message>
        <source>Selected page up</source>
        <translation>Gewählte Seite nach oben</translation>
    </message>
    <message>
        <source>Selected page down</source>
        <translation>Gewählte Seite nach unten</translation>
    </message>
    <message>
        <source>Remove the selected condition</source>
        <translation>Die gewählte Bedingung entfernen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Selected condition up</source>
        <translation>Gewählte Bedingung nach oben</translation>
    </message>
    <message>
        <source>Selected condition down</source>
        <translation>Gewählte Bedingung nach unten</translation>
    </message>
    <message>
        <source>Add a condition</source>
        <translation>Eine Bedingung hinzufügen</translation>
    </message>
    <message>
        <source>Double-click a kind to add a condition of it to the page</source>
        <translation>Doppelklick auf eine Art fügt der Seite eine Bedingung dieser Art hinzu</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>Combi Order</source>
        <translation>Kombi-Bestellung</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Book the combination article when a page is fulfilled</source>
        <translation>Den Kombi-Artikel buchen, wenn eine Seite erfüllt ist</translation>
    </message>
    <message>
        <source>Combi Article:</source>
        <translation>Kombi-Artikel:</translation>
    </message>
    <message>
        <source>The PLU of the combination article</source>
        <translation>Die PLU des Kombi-Artikels</translation>
    </message>
    <message>
        <source>Choose the combination article from the articles</source>
        <translation>Den Kombi-Artikel aus den Artikeln wählen</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Help about this dialog</source>
        <translation>Hilfe zu diesem Dialog</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Go to the first sales promotion</source>
        <translation>Zur ersten Verkaufsaktion</translation>
    </message>
    <message>
        <source>Go to the previous sales promotion</source>
        <translation>Zur vorigen Verkaufsaktion</translation>
    </message>
    <message>
        <source>Go to the next sales promotion</source>
        <translation>Zur nächsten Verkaufsaktion</translation>
    </message>
    <message>
        <source>Go to the last sales promotion</source>
        <translation>Zur letzten Verkaufsaktion</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>SalePromotionsGroupDialogBase</name>
    <message>
        <source>Sale Promotions Groups</source>
        <translation>Aktionsgruppen</translation>
    </message>
    <message>
        <source>N&amp;umber:</source>
        <translation>N&amp;ummer:</translation>
    </message>
    <message>
        <source>The ID</source>
        <translation>Die Nummer</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>The name</source>
        <translation>Der Name</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Beschreibung:</translation>
    </message>
    <message>
        <source>A Description for the group</source>
        <translation>Eine Beschreibung der Gruppe</translation>
    </message>
    <message>
        <source>Sale Promotions</source>
        <translation>Verkaufsaktionen</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Create a new sales promotion</source>
        <translation>Eine neue Verkaufsaktion anlegen</translation>
    </message>
    <message>
        <source>New Sales Promotion</source>
        <translation>Neue Verkaufsaktion</translation>
    </message>
    <message>
        <source>Insert all promotions</source>
        <translation>Alle Aktionen übernehmen</translation>
    </message>
    <message>
        <source>&gt;&gt;</source>
        <translation>&gt;&gt;</translation>
    </message>
    <message>
        <source>Insert selected promotion</source>
        <translation>Gewählte Aktion übernehmen</translation>
    </message>
    <message>
        <source>&gt;</source>
        <translation>&gt;</translation>
    </message>
    <message>
        <source>Remove selected promotion</source>
        <translation>Gewählte Aktion entfernen</translation>
    </message>
    <message>
        <source>&lt;</source>
        <translation>&lt;</translation>
    </message>
    <message>
        <source>Remove all promotions</source>
        <translation>Alle Aktionen entfernen</translation>
    </message>
    <message>
        <source>&lt;&lt;</source>
        <translation>&lt;&lt;</translation>
    </message>
    <message>
        <source>Selected promotion up</source>
        <translation>Gewählte Aktion nach oben</translation>
    </message>
    <message>
        <source>Selected promotion down</source>
        <translation>Gewählte Aktion nach unten</translation>
    </message>
    <message>
        <source>Selected Promotions</source>
        <translation>Gewählte Aktionen</translation>
    </message>
    <message>
        <source>Help about this dialog</source>
        <translation>Hilfe zu diesem Dialog</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Go to the first promotion group</source>
        <translation>Zur ersten Aktionsgruppe</translation>
    </message>
    <message>
        <source>Go to the previous promotion group</source>
        <translation>Zur vorigen Aktionsgruppe</translation>
    </message>
    <message>
        <source>Go to the next promotion group</source>
        <translation>Zur nächsten Aktionsgruppe</translation>
    </message>
    <message>
        <source>Go to the last promotion group</source>
        <translation>Zur letzten Aktionsgruppe</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>SalesPromotionConditionsListView</name>
    <message>
        <source>(missing)</source>
        <translation>(fehlt)</translation>
    </message>
    <message>
        <source>Ignored</source>
        <translation>Ignoriert</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>ORDERCONDITION</source>
        <translation>BESTELLBEDINGUNG</translation>
    </message>
    <message>
        <source> x </source>
        <translation> x </translation>
    </message>
    <message>
        <source>Costcenter: </source>
        <translation>Kostenstelle: </translation>
    </message>
    <message>
        <source>Family: </source>
        <translation>Familie: </translation>
    </message>
    <message>
        <source>Pricelevel: </source>
        <translation>Preisebene: </translation>
    </message>
    <message>
        <source>Discount: </source>
        <translation>Rabatt: </translation>
    </message>
    <message>
        <source>DEPARTMENTCONDITION</source>
        <translation>WARENGRUPPENBEDINGUNG</translation>
    </message>
    <message>
        <source> Article(s) of </source>
        <translation> Artikel aus </translation>
    </message>
    <message>
        <source>TABLECONDITION (not supported!)</source>
        <translation>TISCHBEDINGUNG (nicht unterstützt!)</translation>
    </message>
    <message>
        <source>Unknown condition</source>
        <translation>Unbekannte Bedingung</translation>
    </message>
</context>
<context>
    <name>StatCheckDlg</name>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Erfolgreich</translation>
    </message>
    <message>
        <source>Directory %1 not found</source>
        <translation>Verzeichnis %1 nicht gefunden</translation>
    </message>
    <message>
        <source>Could not open file %1</source>
        <translation>Datei %1 konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Could not read file %1 (line %2)</source>
        <translation>Datei %1 konnte nicht gelesen werden (Zeile %2)</translation>
    </message>
    <message>
        <source>File count mismatch (%1:%2)</source>
        <translation>Dateianzahl stimmt nicht (%1:%2)</translation>
    </message>
</context>
<context>
    <name>StatCheckDlgBase</name>
    <message>
        <source>Check statist existence</source>
        <translation>Statistiken auf Vollständigkeit prüfen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>TArticleHelpTextDlg</name>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Helptext is empty.</source>
        <translation>Der Hilfetext ist leer.</translation>
    </message>
</context>
<context>
    <name>TArticleHelpTextDlgBase</name>
    <message>
        <source>Insert new helptext...</source>
        <translation>Neuen Hilfetext anlegen...</translation>
    </message>
    <message>
        <source>N&amp;umber:</source>
        <translation>N&amp;ummer:</translation>
    </message>
    <message>
        <source>The ID of the helptext</source>
        <translation>Die Nummer des Hilfetexts</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>The name of the helptext</source>
        <translation>Der Name des Hilfetexts</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>&amp;Text:</translation>
    </message>
    <message>
        <source>The lines of the help text, as the point of sale shows them</source>
        <translation>Die Zeilen des Hilfetexts, wie die Kasse sie zeigt</translation>
    </message>
    <message>
        <source>Help about this dialog</source>
        <translation>Hilfe zu diesem Dialog</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Go to the first helptext</source>
        <translation>Zum ersten Hilfetext</translation>
    </message>
    <message>
        <source>Go to the previous helptext</source>
        <translation>Zum vorigen Hilfetext</translation>
    </message>
    <message>
        <source>Go to the next helptext</source>
        <translation>Zum nächsten Hilfetext</translation>
    </message>
    <message>
        <source>Go to the last helptext</source>
        <translation>Zum letzten Hilfetext</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TArticleHelpTextsGroupDlgBase</name>
    <message>
        <source>Insert new articlehelptexts group...</source>
        <translation>Neue Hilfetextgruppe anlegen...</translation>
    </message>
    <message>
        <source>N&amp;umber:</source>
        <translation>N&amp;ummer:</translation>
    </message>
    <message>
        <source>The ID of the helptext group</source>
        <translation>Die Nummer der Hilfetextgruppe</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>The name of the helptext group</source>
        <translation>Der Name der Hilfetextgruppe</translation>
    </message>
    <message>
        <source>Helptexts of group</source>
        <translation>Hilfetexte der Gruppe</translation>
    </message>
    <message>
        <source>Return edits the prio of a row; a double click removes it from the group</source>
        <translation>Return bearbeitet die Priorität einer Zeile; ein Doppelklick entfernt sie aus der Gruppe</translation>
    </message>
    <message>
        <source>Nr</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Prio</source>
        <translation>Prio</translation>
    </message>
    <message>
        <source>Add all modules to the group</source>
        <translation>Alle Bausteine zur Gruppe hinzufügen</translation>
    </message>
    <message>
        <source>&lt;&lt;</source>
        <translation>&lt;&lt;</translation>
    </message>
    <message>
        <source>Add the selected  modules to the group</source>
        <translation>Die gewählten Bausteine zur Gruppe hinzufügen</translation>
    </message>
    <message>
        <source>&lt;</source>
        <translation>&lt;</translation>
    </message>
    <message>
        <source>Remove the selected modules from the group</source>
        <translation>Die gewählten Bausteine aus der Gruppe entfernen</translation>
    </message>
    <message>
        <source>&gt;</source>
        <translation>&gt;</translation>
    </message>
    <message>
        <source>Remove all modules from the group</source>
        <translation>Alle Bausteine aus der Gruppe entfernen</translation>
    </message>
    <message>
        <source>&gt;&gt;</source>
        <translation>&gt;&gt;</translation>
    </message>
    <message>
        <source>Restore original modules of the group</source>
        <translation>Die ursprünglichen Bausteine der Gruppe wiederherstellen</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Available Helptexts</source>
        <translation>Verfügbare Hilfetexte</translation>
    </message>
    <message>
        <source>A double click adds a row to the group</source>
        <translation>Ein Doppelklick fügt eine Zeile zur Gruppe hinzu</translation>
    </message>
    <message>
        <source>Module</source>
        <translation>Baustein</translation>
    </message>
    <message>
        <source>Help about this dialog</source>
        <translation>Hilfe zu diesem Dialog</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Go to the first helptext group</source>
        <translation>Zur ersten Hilfetextgruppe</translation>
    </message>
    <message>
        <source>Go to the previous helptext group</source>
        <translation>Zur vorigen Hilfetextgruppe</translation>
    </message>
    <message>
        <source>Go to the next helptext group</source>
        <translation>Zur nächsten Hilfetextgruppe</translation>
    </message>
    <message>
        <source>Go to the last helptext group</source>
        <translation>Zur letzten Hilfetextgruppe</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TBackupActions</name>
    <message>
        <source>&amp;Back up data...</source>
        <translation>Daten &amp;sichern...</translation>
    </message>
    <message>
        <source>&amp;Restore data...</source>
        <translation>Daten &amp;wiederherstellen...</translation>
    </message>
    <message>
        <source>Write an archive of every data file, INI file and the SQLite database</source>
        <translation>Ein Archiv aller Datendateien, INI-Dateien und der SQLite-Datenbank schreiben</translation>
    </message>
    <message>
        <source>Replace the data root by a checked archive; the replaced data is kept</source>
        <translation>Das Datenverzeichnis durch ein geprüftes Archiv ersetzen; die ersetzten Daten bleiben erhalten</translation>
    </message>
    <message>
        <source>Back up data</source>
        <translation>Daten sichern</translation>
    </message>
    <message>
        <source>Backup archives (*.tar)</source>
        <translation>Sicherungsarchive (*.tar)</translation>
    </message>
    <message>
        <source>No archive was written: %1</source>
        <translation>Es wurde kein Archiv geschrieben: %1</translation>
    </message>
    <message>
        <source>%1 files (%2 bytes) are in %3.</source>
        <translation>%1 Dateien (%2 Bytes) sind in %3.</translation>
    </message>
    <message>
        <source>Restore data</source>
        <translation>Daten wiederherstellen</translation>
    </message>
    <message>
        <source>Replace the data root %1 by the archive %2?

Every data file, INI file and the SQLite database in the data root is replaced by the archive&apos;s. The archive is checked completely first; the current data root is kept beside it as %1.replaced-&lt;date&gt;-&lt;time&gt;.

Stop the other programs that work on this data root first. lumoffice closes after the restore.</source>
        <translation>Das Datenverzeichnis %1 durch das Archiv %2 ersetzen?

Jede Datendatei, INI-Datei und die SQLite-Datenbank im Datenverzeichnis wird durch die des Archivs ersetzt. Das Archiv wird zuerst vollständig geprüft; das jetzige Datenverzeichnis bleibt daneben als %1.replaced-&lt;Datum&gt;-&lt;Uhrzeit&gt; erhalten.

Beenden Sie zuerst die anderen Programme, die mit diesem Datenverzeichnis arbeiten. lumoffice schließt sich nach der Wiederherstellung.</translation>
    </message>
    <message>
        <source>Nothing was replaced: %1</source>
        <translation>Nichts wurde ersetzt: %1</translation>
    </message>
    <message>
        <source>%1 files are restored. The replaced data root is kept in %2.
lumoffice closes now; start it again to work with the restored data.</source>
        <translation>%1 Dateien sind wiederhergestellt. Das ersetzte Datenverzeichnis liegt in %2.
lumoffice schließt sich jetzt; starten Sie es neu, um mit den wiederhergestellten Daten zu arbeiten.</translation>
    </message>
</context>
<context>
    <name>TCardActionColumns</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>n/a</source>
        <translation>k. A.</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
</context>
<context>
    <name>TCardCommands</name>
    <message>
        <source>Unknown command</source>
        <translation>Unbekannter Befehl</translation>
    </message>
    <message>
        <source>The card database cannot be used.</source>
        <translation>Die Kartendatenbank kann nicht benutzt werden.</translation>
    </message>
    <message>
        <source>The call cannot be read.</source>
        <translation>Der Aufruf ist nicht lesbar.</translation>
    </message>
    <message>
        <source>The answer holds characters that cannot be sent.</source>
        <translation>Die Antwort enthält Zeichen, die nicht gesendet werden können.</translation>
    </message>
    <message>
        <source>The answer is too long to be sent.</source>
        <translation>Die Antwort ist zu lang zum Senden.</translation>
    </message>
    <message>
        <source>Unknown user or wrong password.</source>
        <translation>Unbekannter Benutzer oder falsches Passwort.</translation>
    </message>
    <message>
        <source>The reader failed.</source>
        <translation>Der Leser ist ausgefallen.</translation>
    </message>
    <message>
        <source>There is no such action.</source>
        <translation>Diese Aktion gibt es nicht.</translation>
    </message>
    <message>
        <source>The action has been carried out; it cannot be removed.</source>
        <translation>Die Aktion wurde ausgeführt; sie kann nicht entfernt werden.</translation>
    </message>
    <message>
        <source>The action text is not XML.</source>
        <translation>Der Aktionstext ist kein XML.</translation>
    </message>
    <message>
        <source>The action&apos;s card is not known.</source>
        <translation>Die Karte der Aktion ist nicht bekannt.</translation>
    </message>
    <message>
        <source>The action belongs to another card.</source>
        <translation>Die Aktion gehört zu einer anderen Karte.</translation>
    </message>
    <message>
        <source>The action has been carried out; it cannot be changed.</source>
        <translation>Die Aktion wurde ausgeführt; sie kann nicht geändert werden.</translation>
    </message>
    <message>
        <source>The client text is not XML.</source>
        <translation>Der Kundentext ist kein XML.</translation>
    </message>
    <message>
        <source>The card is not formatted.</source>
        <translation>Die Karte ist nicht formatiert.</translation>
    </message>
    <message>
        <source>The card text is not XML.</source>
        <translation>Der Kartentext ist kein XML.</translation>
    </message>
    <message>
        <source>The card text belongs to another card.</source>
        <translation>Der Kartentext gehört zu einer anderen Karte.</translation>
    </message>
    <message>
        <source>The card was written since it was read.</source>
        <translation>Die Karte wurde seit dem Lesen beschrieben.</translation>
    </message>
    <message>
        <source>A UID is 8 to 20 hexadecimal digits.</source>
        <translation>Eine UID hat 8 bis 20 Hexadezimalziffern.</translation>
    </message>
    <message>
        <source>Too many readers.</source>
        <translation>Zu viele Leser.</translation>
    </message>
    <message>
        <source>A failure is a negative error code.</source>
        <translation>Ein Fehler ist ein negativer Fehlercode.</translation>
    </message>
</context>
<context>
    <name>TCardService</name>
    <message>
        <source>%1 (in this program)</source>
        <translation>%1 (in diesem Programm)</translation>
    </message>
    <message>
        <source>not running: %1</source>
        <translation>läuft nicht: %1</translation>
    </message>
</context>
<context>
    <name>TCashChartDock</name>
    <message>
        <source>Cash</source>
        <translation>Kasse</translation>
    </message>
    <message>
        <source>Show the last counts and the vault&apos;s cash</source>
        <translation>Die letzten Zählungen und das Bargeld im Tresor zeigen</translation>
    </message>
</context>
<context>
    <name>TCashOfficeMenu</name>
    <message>
        <source>Cash &amp;office</source>
        <translation>Kassen&amp;verwaltung</translation>
    </message>
    <message>
        <source>Cash &amp;transactions...</source>
        <translation>Kassen&amp;buchungen...</translation>
    </message>
    <message>
        <source>&amp;Statistics check...</source>
        <translation>&amp;Statistikprüfung...</translation>
    </message>
    <message>
        <source>Hand cash to waiters, book the vault, count cash drawers, see the journal</source>
        <translation>Bargeld an Kellner ausgeben, den Tresor buchen, Kassenladen zählen, das Journal ansehen</translation>
    </message>
    <message>
        <source>Check the daily statistics of every outlet over the period (File &gt; Select period)</source>
        <translation>Die Tagesstatistiken aller Outlets im Zeitraum prüfen (Datei &gt; Zeitraum wählen)</translation>
    </message>
</context>
<context>
    <name>TConfigCheckDlg</name>
    <message>
        <source>Configuration check</source>
        <translation>Konfigurationsprüfung</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Verweis</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Fehlt</translation>
    </message>
    <message>
        <source>Check &amp;again</source>
        <translation>&amp;Erneut prüfen</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Every reference of the checked lists names a record that exists.</source>
        <translation>Jeder Verweis der geprüften Listen nennt einen vorhandenen Datensatz.</translation>
    </message>
    <message numerus="yes">
        <source>%n finding(s). A double click opens the record that holds the reference.</source>
        <translation>
            <numerusform>%n Befund. Ein Doppelklick öffnet den Datensatz mit dem Verweis.</numerusform>
            <numerusform>%n Befunde. Ein Doppelklick öffnet den Datensatz mit dem Verweis.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TCostCenterDlgBase</name>
    <message>
        <source>Insert new cost center...</source>
        <translation>Neue Kostenstelle anlegen...</translation>
    </message>
    <message>
        <source>N&amp;umber:</source>
        <translation>N&amp;ummer:</translation>
    </message>
    <message>
        <source>The ID of the cost center</source>
        <translation>Die Nummer der Kostenstelle</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>The name of the cost center</source>
        <translation>Der Name der Kostenstelle</translation>
    </message>
    <message>
        <source>&amp;Shortname:</source>
        <translation>&amp;Kurzname:</translation>
    </message>
    <message>
        <source>The shortname of the cost center</source>
        <translation>Der Kurzname der Kostenstelle</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Konto:</translation>
    </message>
    <message>
        <source>The account of the cost center in the bookkeeping</source>
        <translation>Das Konto der Kostenstelle in der Buchhaltung</translation>
    </message>
    <message>
        <source>Help about this dialog</source>
        <translation>Hilfe zu diesem Dialog</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Go to the first cost center</source>
        <translation>Zur ersten Kostenstelle</translation>
    </message>
    <message>
        <source>Go to the previous cost center</source>
        <translation>Zur vorigen Kostenstelle</translation>
    </message>
    <message>
        <source>Go to the next cost center</source>
        <translation>Zur nächsten Kostenstelle</translation>
    </message>
    <message>
        <source>Go to the last cost center</source>
        <translation>Zur letzten Kostenstelle</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TCsvImport</name>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB: it is no CSV file of a list.</source>
        <translation>%1 ist größer als %2 MiB: Das ist keine CSV-Datei einer Liste.</translation>
    </message>
    <message>
        <source>There is no list &quot;%1&quot;.</source>
        <translation>Es gibt keine Liste &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>%1 are kept by the card server: change them in their editor.</source>
        <translation>%1 führt der Kartenserver: Ändern Sie sie in ihrem Editor.</translation>
    </message>
    <message>
        <source>The list&apos;s file is damaged: nothing is written to it.</source>
        <translation>Die Datei der Liste ist beschädigt: Es wird nichts hineingeschrieben.</translation>
    </message>
    <message>
        <source>You may only look at this list.</source>
        <translation>Sie dürfen diese Liste nur ansehen.</translation>
    </message>
    <message>
        <source>You have no access to this list.</source>
        <translation>Sie haben keinen Zugriff auf diese Liste.</translation>
    </message>
    <message>
        <source>the list could not be saved</source>
        <translation>die Liste konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>TCsvImportDlg</name>
    <message>
        <source>Line</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Stand</translation>
    </message>
    <message>
        <source>Changed columns or reason</source>
        <translation>Geänderte Spalten oder Grund</translation>
    </message>
    <message>
        <source>&amp;Decimal comma (1,5)</source>
        <translation>&amp;Dezimalkomma (1,5)</translation>
    </message>
    <message>
        <source>Hide &amp;unchanged rows</source>
        <translation>&amp;Unveränderte Zeilen ausblenden</translation>
    </message>
    <message>
        <source>Import from CSV: %1</source>
        <translation>Import aus CSV: %1</translation>
    </message>
    <message>
        <source>Semicolon (;)</source>
        <translation>Semikolon (;)</translation>
    </message>
    <message>
        <source>Comma (,)</source>
        <translation>Komma (,)</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>&amp;Separator:</source>
        <translation>&amp;Trennzeichen:</translation>
    </message>
    <message>
        <source>&amp;Encoding:</source>
        <translation>&amp;Kodierung:</translation>
    </message>
    <message>
        <source>&lt;b&gt;This file cannot be imported:&lt;/b&gt; %1.</source>
        <translation>&lt;b&gt;Diese Datei kann nicht importiert werden:&lt;/b&gt; %1.</translation>
    </message>
    <message>
        <source>%1 new, %2 changed, %3 unchanged, %4 refused. Nothing is written until you press Import; refused rows are left out.</source>
        <translation>%1 neu, %2 geändert, %3 unverändert, %4 abgewiesen. Geschrieben wird erst mit Importieren; abgewiesene Zeilen werden ausgelassen.</translation>
    </message>
    <message>
        <source>Columns that no record has yet: %1.</source>
        <translation>Spalten, die noch kein Datensatz hat: %1.</translation>
    </message>
</context>
<context>
    <name>TCurrencyDlgBase</name>
    <message>
        <source>Insert new currency...</source>
        <translation>Neue Währung anlegen...</translation>
    </message>
    <message>
        <source>N&amp;umber:</source>
        <translation>N&amp;ummer:</translation>
    </message>
    <message>
        <source>The ID of the currency</source>
        <translation>Die Nummer der Währung</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>The name of the currency</source>
        <translation>Der Name der Währung</translation>
    </message>
    <message>
        <source>&amp;Shortname:</source>
        <translation>&amp;Kurzname:</translation>
    </message>
    <message>
        <source>The shortname of the currency</source>
        <translation>Der Kurzname der Währung</translation>
    </message>
    <message>
        <source>&amp;Rate:</source>
        <translation>Ku&amp;rs:</translation>
    </message>
    <message>
        <source>The rate of the currency</source>
        <translation>Der Kurs der Währung</translation>
    </message>
    <message>
        <source>&amp;Reversal input</source>
        <translation>Umgekehrte &amp;Eingabe</translation>
    </message>
    <message>
        <source>Alt+R</source>
        <translation>Alt+E</translation>
    </message>
    <message>
        <source>&amp;Dec. position:</source>
        <translation>Nachkomma&amp;stellen:</translation>
    </message>
    <message>
        <source>The position of the decimal sign</source>
        <translation>Die Stelle des Dezimalzeichens</translation>
    </message>
    <message>
        <source>Dec s&amp;ign:</source>
        <translation>&amp;Dezimalzeichen:</translation>
    </message>
    <message>
        <source>The decimal sign of the currency</source>
        <translation>Das Dezimalzeichen der Währung</translation>
    </message>
    <message>
        <source>&amp;Thsnd sign:</source>
        <translation>&amp;Tausenderzeichen:</translation>
    </message>
    <message>
        <source>The thousands sign of the currency</source>
        <translation>Das Tausenderzeichen der Währung</translation>
    </message>
    <message>
        <source>Allow returning</source>
        <translation>Rückgeld erlauben</translation>
    </message>
    <message>
        <source>Ignore payform rounding</source>
        <translation>Rundung der Zahlungsart ignorieren</translation>
    </message>
    <message>
        <source>Help about this dialog</source>
        <translation>Hilfe zu diesem Dialog</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Go to the first currency</source>
        <translation>Zur ersten Währung</translation>
    </message>
    <message>
        <source>Go to the previous currency</source>
        <translation>Zur vorigen Währung</translation>
    </message>
    <message>
        <source>Go to the next currency</source>
        <translation>Zur nächsten Währung</translation>
    </message>
    <message>
        <source>Go to the last currency</source>
        <translation>Zur letzten Währung</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TDateSelectDlgBase</name>
    <message>
        <source>Select date...</source>
        <translation>Datum wählen...</translation>
    </message>
    <message>
        <source>valid from:</source>
        <translation>gültig ab:</translation>
    </message>
    <message>
        <source>The first moment of the period</source>
        <translation>Der erste Zeitpunkt des Zeitraums</translation>
    </message>
    <message>
        <source>dd.MM.yyyy HH:mm</source>
        <translation>dd.MM.yyyy HH:mm</translation>
    </message>
    <message>
        <source>valid to:</source>
        <translation>gültig bis:</translation>
    </message>
    <message>
        <source>The last moment of the period</source>
        <translation>Der letzte Zeitpunkt des Zeitraums</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TDeletedRecordsDlg</name>
    <message>
        <source>Deleted records</source>
        <translation>Gelöschte Datensätze</translation>
    </message>
    <message>
        <source>Deleted at</source>
        <translation>Gelöscht am</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>%1: you may not change this list</source>
        <translation>%1: Sie dürfen diese Liste nicht ändern</translation>
    </message>
    <message>
        <source>%1: the number is in use again</source>
        <translation>%1: die Nummer ist wieder vergeben</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Not restored:
%1</source>
        <translation>Nicht wiederhergestellt:
%1</translation>
    </message>
</context>
<context>
    <name>TDiscountDlg</name>
    <message>
        <source>Not specified</source>
        <translation>Nicht angegeben</translation>
    </message>
</context>
<context>
    <name>TDiscountDlgBase</name>
    <message>
        <source>Insert new discount...</source>
        <translation>Neuen Rabatt anlegen...</translation>
    </message>
    <message>
        <source>N&amp;umber:</source>
        <translation>N&amp;ummer:</translation>
    </message>
    <message>
        <source>The ID of the discount</source>
        <translation>Die Nummer des Rabatts</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>The name of the discount</source>
        <translation>Der Name des Rabatts</translation>
    </message>
    <message>
        <source>&amp;Rate:</source>
        <translation>&amp;Satz:</translation>
    </message>
    <message>
        <source>The rate of the discount</source>
        <translation>Der Satz des Rabatts</translation>
    </message>
    <message>
        <source>&amp;Absolute</source>
        <translation>&amp;Absolut</translation>
    </message>
    <message>
        <source>The rate is not a percentage but an amount</source>
        <translation>Der Satz ist kein Prozentsatz, sondern ein Betrag</translation>
    </message>
    <message>
        <source>&amp;Book:</source>
        <translation>&amp;Buchen auf:</translation>
    </message>
    <message>
        <source>The article the discount is booked on</source>
        <translation>Der Artikel, auf den der Rabatt gebucht wird</translation>
    </message>
    <message>
        <source>&amp;Order discount</source>
        <translation>Bes&amp;tellrabatt</translation>
    </message>
    <message>
        <source>Use this discount on orders?</source>
        <translation>Diesen Rabatt auf Bestellungen anwenden?</translation>
    </message>
    <message>
        <source>Use actual price</source>
        <translation>Tatsächlichen Preis verwenden</translation>
    </message>
    <message>
        <source>Allow negative</source>
        <translation>Negativ erlauben</translation>
    </message>
    <message>
        <source>Suppress reason request</source>
        <translation>Keine Grundabfrage</translation>
    </message>
    <message>
        <source>Use Net Amounts</source>
        <translation>Nettobeträge verwenden</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <source>Rounding</source>
        <translation>Rundung</translation>
    </message>
    <message>
        <source>No Rounding</source>
        <translation>Keine Rundung</translation>
    </message>
    <message>
        <source>Rounding 5</source>
        <translation>Rundung 5</translation>
    </message>
    <message>
        <source>Rounding 10</source>
        <translation>Rundung 10</translation>
    </message>
    <message>
        <source>Help about this dialog</source>
        <translation>Hilfe zu diesem Dialog</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Go to the first discount</source>
        <translation>Zum ersten Rabatt</translation>
    </message>
    <message>
        <source>Go to the previous discount</source>
        <translation>Zum vorigen Rabatt</translation>
    </message>
    <message>
        <source>Go to the next discount</source>
        <translation>Zum nächsten Rabatt</translation>
    </message>
    <message>
        <source>Go to the last discount</source>
        <translation>Zum letzten Rabatt</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TDlgRemoveBase</name>
    <message>
        <source>Are you sure to delete the following items:</source>
        <translation>Wollen Sie die folgenden Einträge wirklich löschen:</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Alt+Y</source>
        <translation>Alt+J</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Alt+N</source>
        <translation>Alt+N</translation>
    </message>
</context>
<context>
    <name>TFormatCardDlg</name>
    <message>
        <source>Please insert card</source>
        <translation>Bitte Karte auflegen</translation>
    </message>
    <message>
        <source>No reader for formatting found</source>
        <translation>Kein Leser zum Formatieren gefunden</translation>
    </message>
    <message>
        <source>Card %1 of %2</source>
        <translation>Karte %1 von %2</translation>
    </message>
    <message>
        <source>Please remove card</source>
        <translation>Bitte Karte entfernen</translation>
    </message>
    <message>
        <source>Formatting card %1</source>
        <translation>Karte %1 wird formatiert</translation>
    </message>
    <message>
        <source>The next card number cannot be stored:
%1</source>
        <translation>Die nächste Kartennummer kann nicht gespeichert werden:
%1</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>Card number copy found</source>
        <translation>Doppelte Kartennummer gefunden</translation>
    </message>
    <message>
        <source>Card number %1 is used by other card(s).
WARNING!
You will get multiple cards with the same card number, if you choose to continue!
Are you sure you want to do this?</source>
        <translation>Die Kartennummer %1 wird von anderen Karten benutzt.
WARNUNG!
Wenn Sie fortfahren, gibt es mehrere Karten mit derselben Kartennummer!
Wollen Sie das wirklich tun?</translation>
    </message>
    <message>
        <source>Confirmation required</source>
        <translation>Bestätigung erforderlich</translation>
    </message>
    <message>
        <source>Are you really sure you want to do this?</source>
        <translation>Wollen Sie das wirklich tun?</translation>
    </message>
</context>
<context>
    <name>TFormatCardDlgBase</name>
    <message>
        <source>Formatting Cards</source>
        <translation>Karten formatieren</translation>
    </message>
    <message>
        <source>Please insert card</source>
        <translation>Bitte Karte auflegen</translation>
    </message>
    <message>
        <source>What to do next</source>
        <translation>Was als Nächstes zu tun ist</translation>
    </message>
    <message>
        <source>color: #b00000;</source>
        <translation>color: #b00000;</translation>
    </message>
    <message>
        <source>Actual card number:</source>
        <translation>Aktuelle Kartennummer:</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Card 1 of 1</source>
        <translation>Karte 1 von 1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Cancel formatting</source>
        <translation>Formatieren abbrechen</translation>
    </message>
</context>
<context>
    <name>TFormatLoginDlg</name>
    <message>
        <source>Card number</source>
        <translation>Kartennummer</translation>
    </message>
    <message>
        <source>The next card number cannot be read:
%1</source>
        <translation>Die nächste Kartennummer ist nicht lesbar:
%1</translation>
    </message>
    <message>
        <source>Login failed</source>
        <translation>Anmeldung fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>TFormatLoginDlgBase</name>
    <message>
        <source>Authorisation required</source>
        <translation>Berechtigung erforderlich</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>Benutzer:</translation>
    </message>
    <message>
        <source>A user of the card server who may format cards</source>
        <translation>Ein Benutzer des Kartenservers, der Karten formatieren darf</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>Start card number:</source>
        <translation>Erste Kartennummer:</translation>
    </message>
    <message>
        <source>The number of the first card to format</source>
        <translation>Die Nummer der ersten zu formatierenden Karte</translation>
    </message>
    <message>
        <source>Format count:</source>
        <translation>Anzahl zu formatieren:</translation>
    </message>
    <message>
        <source>How many cards to format one after the other</source>
        <translation>Wie viele Karten nacheinander formatiert werden</translation>
    </message>
    <message>
        <source>Client template:</source>
        <translation>Kundenvorlage:</translation>
    </message>
    <message>
        <source>The client whose data each new card gets a client of its own from</source>
        <translation>Der Kunde, aus dessen Daten jede neue Karte einen eigenen Kunden erhält</translation>
    </message>
    <message>
        <source>Card number is client number</source>
        <translation>Kartennummer ist Kundennummer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>THelpFile</name>
    <message>
        <source>lumdialogs.html</source>
        <translation>lumdialogs_de.html</translation>
    </message>
</context>
<context>
    <name>THelpViewer</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>THistoryDlg</name>
    <message>
        <source>created</source>
        <translation>angelegt</translation>
    </message>
    <message>
        <source>deleted</source>
        <translation>gelöscht</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>geändert</translation>
    </message>
    <message>
        <source>&amp;Period</source>
        <translation>&amp;Zeitraum</translation>
    </message>
    <message>
        <source>&amp;Restore the version before</source>
        <translation>Vorige Version &amp;wiederherstellen</translation>
    </message>
    <message>
        <source>History of %1 %2 %3</source>
        <translation>Historie von %1 %2 %3</translation>
    </message>
    <message>
        <source>History of %1 %2</source>
        <translation>Historie von %1 %2</translation>
    </message>
    <message>
        <source>History of %1</source>
        <translation>Historie von %1</translation>
    </message>
    <message>
        <source>Everybody</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Änderung</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Attributes</source>
        <translation>Attribute</translation>
    </message>
    <message>
        <source>Attribute</source>
        <translation>Attribut</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Vorher</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Nachher</translation>
    </message>
    <message>
        <source>&amp;User:</source>
        <translation>&amp;Benutzer:</translation>
    </message>
    <message>
        <source>The history cannot be read: %1</source>
        <translation>Die Historie ist nicht lesbar: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n change(s)</source>
        <translation>
            <numerusform>%n Änderung</numerusform>
            <numerusform>%n Änderungen</numerusform>
        </translation>
    </message>
    <message>
        <source>Put the record back as it was before this change</source>
        <translation>Den Datensatz auf den Stand vor dieser Änderung zurücksetzen</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>You may not change this list.</source>
        <translation>Sie dürfen diese Liste nicht ändern.</translation>
    </message>
    <message>
        <source>The list&apos;s file is damaged: nothing is written to it until it is repaired.</source>
        <translation>Die Datei der Liste ist beschädigt: Bis sie repariert ist, wird nichts hineingeschrieben.</translation>
    </message>
    <message>
        <source>The record could not be restored:
%1</source>
        <translation>Der Datensatz konnte nicht wiederhergestellt werden:
%1</translation>
    </message>
</context>
<context>
    <name>TListPrint</name>
    <message>
        <source>Print to PDF</source>
        <translation>Als PDF drucken</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF-Dokumente (*.pdf)</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>%1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>%1 (columns, part %2 of %3)</source>
        <translation>%1 (Spalten, Teil %2 von %3)</translation>
    </message>
</context>
<context>
    <name>TLoginDlg</name>
    <message>
        <source>Log in to the back office</source>
        <translation>Anmeldung an der Verwaltung</translation>
    </message>
    <message>
        <source>&amp;User:</source>
        <translation>&amp;Benutzer:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Passwort:</translation>
    </message>
    <message>
        <source>Log in</source>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>The password is wrong.</source>
        <translation>Das Passwort ist falsch.</translation>
    </message>
</context>
<context>
    <name>TLumColumn</name>
    <message>
        <source>%1 (missing)</source>
        <translation>%1 (fehlt)</translation>
    </message>
    <message>
        <source>every day</source>
        <translation>jeden Tag</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
</context>
<context>
    <name>TLumConfig</name>
    <message>
        <source>No access</source>
        <translation>Kein Zugriff</translation>
    </message>
    <message>
        <source>You have no access to this dialog.
Nothing can be changed here.</source>
        <translation>Sie haben keinen Zugriff auf diesen Dialog.
Hier kann nichts geändert werden.</translation>
    </message>
</context>
<context>
    <name>TLumDlg</name>
    <message>
        <source>Wrong number</source>
        <translation>Falsche Nummer</translation>
    </message>
    <message>
        <source>The number must be 1 or more.</source>
        <translation>Die Nummer muss 1 oder größer sein.</translation>
    </message>
    <message>
        <source>The number %1 is already in use.
Please choose another one.</source>
        <translation>Die Nummer %1 ist schon vergeben.
Bitte wählen Sie eine andere.</translation>
    </message>
    <message>
        <source>The number %1 is already in use by &quot;%2&quot;.
Please choose another one.</source>
        <translation>Die Nummer %1 ist schon an „%2“ vergeben.
Bitte wählen Sie eine andere.</translation>
    </message>
</context>
<context>
    <name>TLumWindow</name>
    <message>
        <source>Waiting for %1, which another program is using.</source>
        <translation>Warte auf %1, das ein anderes Programm benutzt.</translation>
    </message>
    <message>
        <source>Please wait</source>
        <translation>Bitte warten</translation>
    </message>
</context>
<context>
    <name>TLumWorkspace</name>
    <message>
        <source>No SQL driver for the database.</source>
        <translation>Kein SQL-Treiber für die Datenbank.</translation>
    </message>
    <message>
        <source>The data ends in the middle of a record or cannot be read (error %1).</source>
        <translation>Die Daten enden mitten in einem Datensatz oder sind nicht lesbar (Fehler %1).</translation>
    </message>
    <message>
        <source>Another program changed the file, and it cannot be read now (error %1). Nothing was saved.</source>
        <translation>Ein anderes Programm hat die Datei geändert, und sie ist jetzt nicht lesbar (Fehler %1). Nichts wurde gespeichert.</translation>
    </message>
    <message>
        <source>Records changed by another program</source>
        <translation>Von einem anderen Programm geänderte Datensätze</translation>
    </message>
    <message>
        <source>Another program changed the records %1 of the list &quot;%2&quot; while you changed them here. Its version was kept.

Save your version over it?</source>
        <translation>Ein anderes Programm hat die Datensätze %1 der Liste „%2“ geändert, während Sie sie hier geändert haben. Dessen Fassung wurde behalten.

Ihre Fassung darüber speichern?</translation>
    </message>
    <message>
        <source>Keep the other version</source>
        <translation>Die andere Fassung behalten</translation>
    </message>
    <message>
        <source>Save my version</source>
        <translation>Meine Fassung speichern</translation>
    </message>
</context>
<context>
    <name>TMenuCardDlg</name>
    <message>
        <source>PLU</source>
        <translation>PLU</translation>
    </message>
    <message>
        <source>Article</source>
        <translation>Artikel</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Preis</translation>
    </message>
    <message>
        <source>Not specified</source>
        <translation>Nicht angegeben</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>Nicht gesetzt</translation>
    </message>
</context>
<context>
    <name>TMenuCardDlgBase</name>
    <message>
        <source>Insert new menu card...</source>
        <translation>Neue Speisekarte anlegen...</translation>
    </message>
    <message>
        <source>N&amp;umber:</source>
        <translation>N&amp;ummer:</translation>
    </message>
    <message>
        <source>The ID of this menu card</source>
        <translation>Die Nummer dieser Speisekarte</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>The name of this menu card</source>
        <translation>Der Name dieser Speisekarte</translation>
    </message>
    <message>
        <source>Pricelevel:</source>
        <translation>Preisebene:</translation>
    </message>
    <message>
        <source>The price level this menu card forces</source>
        <translation>Die Preisebene, die diese Speisekarte erzwingt</translation>
    </message>
    <message>
        <source>Included articles</source>
        <translation>Enthaltene Artikel</translation>
    </message>
    <message>
        <source>Family:</source>
        <translation>Familie:</translation>
    </message>
    <message>
        <source>Show the articles of this family only</source>
        <translation>Nur die Artikel dieser Familie zeigen</translation>
    </message>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>Create a new family</source>
        <translation>Eine neue Familie anlegen</translation>
    </message>
    <message>
        <source>The articles that may be sold</source>
        <translation>Die Artikel, die verkauft werden dürfen</translation>
    </message>
    <message>
        <source>Find an article by its PLU, name or price</source>
        <translation>Einen Artikel nach PLU, Name oder Preis suchen</translation>
    </message>
    <message>
        <source>find</source>
        <translation>suchen</translation>
    </message>
    <message>
        <source>Find the next article that contains the text</source>
        <translation>Den nächsten Artikel suchen, der den Text enthält</translation>
    </message>
    <message>
        <source>&gt;</source>
        <translation>&gt;</translation>
    </message>
    <message>
        <source>Exclude the selected articles</source>
        <translation>Die gewählten Artikel ausschließen</translation>
    </message>
    <message>
        <source>&gt;&gt;</source>
        <translation>&gt;&gt;</translation>
    </message>
    <message>
        <source>Exclude all articles shown</source>
        <translation>Alle gezeigten Artikel ausschließen</translation>
    </message>
    <message>
        <source>&lt;</source>
        <translation>&lt;</translation>
    </message>
    <message>
        <source>Include the selected articles</source>
        <translation>Die gewählten Artikel aufnehmen</translation>
    </message>
    <message>
        <source>&lt;&lt;</source>
        <translation>&lt;&lt;</translation>
    </message>
    <message>
        <source>Include all articles shown</source>
        <translation>Alle gezeigten Artikel aufnehmen</translation>
    </message>
    <message>
        <source>Create a new article</source>
        <translation>Einen neuen Artikel anlegen</translation>
    </message>
    <message>
        <source>Excluded articles</source>
        <translation>Ausgeschlossene Artikel</translation>
    </message>
    <message>
        <source>The articles that may not be sold</source>
        <translation>Die Artikel, die nicht verkauft werden dürfen</translation>
    </message>
    <message>
        <source>Help about this dialog</source>
        <translation>Hilfe zu diesem Dialog</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Go to the first menu card</source>
        <translation>Zur ersten Speisekarte</translation>
    </message>
    <message>
        <source>Go to the previous menu card</source>
        <translation>Zur vorigen Speisekarte</translation>
    </message>
    <message>
        <source>Go to the next menu card</source>
        <translation>Zur nächsten Speisekarte</translation>
    </message>
    <message>
        <source>Go to the last menu card</source>
        <translation>Zur letzten Speisekarte</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TNetActionDlg</name>
    <message>
        <source>Action update error</source>
        <translation>Fehler beim Ändern der Aktion</translation>
    </message>
</context>
<context>
    <name>TNetActionDlgBase</name>
    <message>
        <source>Insert new card action...</source>
        <translation>Neue Kartenaktion anlegen...</translation>
    </message>
    <message>
        <source>Action ID:</source>
        <translation>Aktions-Nr.:</translation>
    </message>
    <message>
        <source>The number of the action</source>
        <translation>Die Nummer der Aktion</translation>
    </message>
    <message>
        <source>UID:</source>
        <translation>UID:</translation>
    </message>
    <message>
        <source>The chip UID of the card the action belongs to</source>
        <translation>Die Chip-UID der Karte, zu der die Aktion gehört</translation>
    </message>
    <message>
        <source>Presets:</source>
        <translation>Vorlagen:</translation>
    </message>
    <message>
        <source>What the action does</source>
        <translation>Was die Aktion tut</translation>
    </message>
    <message>
        <source>Property field:</source>
        <translation>Eigenschaft:</translation>
    </message>
    <message>
        <source>The card property the action changes</source>
        <translation>Die Karteneigenschaft, die die Aktion ändert</translation>
    </message>
    <message>
        <source>Modifier:</source>
        <translation>Änderung:</translation>
    </message>
    <message>
        <source>How the value changes the property</source>
        <translation>Wie der Wert die Eigenschaft ändert</translation>
    </message>
    <message>
        <source>The card is locked by the action</source>
        <translation>Die Karte wird durch die Aktion gesperrt</translation>
    </message>
    <message>
        <source>is locked</source>
        <translation>ist gesperrt</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Counter value:</source>
        <translation>Zählerwert:</translation>
    </message>
    <message>
        <source>The number to set, add or substract</source>
        <translation>Die Zahl, die gesetzt, addiert oder abgezogen wird</translation>
    </message>
    <message>
        <source>Currency value:</source>
        <translation>Währungswert:</translation>
    </message>
    <message>
        <source>The amount in the system currency</source>
        <translation>Der Betrag in der Systemwährung</translation>
    </message>
    <message>
        <source>Date value:</source>
        <translation>Datumswert:</translation>
    </message>
    <message>
        <source>The date to set</source>
        <translation>Das zu setzende Datum</translation>
    </message>
    <message>
        <source>dd.MM.yyyy hh:mm:ss</source>
        <translation>dd.MM.yyyy hh:mm:ss</translation>
    </message>
    <message>
        <source>The value is entered when the action is carried out</source>
        <translation>Der Wert wird beim Ausführen der Aktion eingegeben</translation>
    </message>
    <message>
        <source>free input</source>
        <translation>freie Eingabe</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>What the action is for</source>
        <translation>Wofür die Aktion ist</translation>
    </message>
    <message>
        <source>Validity period</source>
        <translation>Gültigkeitszeitraum</translation>
    </message>
    <message>
        <source>from:</source>
        <translation>von:</translation>
    </message>
    <message>
        <source>The action is carried out from this time on</source>
        <translation>Die Aktion wird ab diesem Zeitpunkt ausgeführt</translation>
    </message>
    <message>
        <source>dd.MM.yyyy hh:mm</source>
        <translation>dd.MM.yyyy hh:mm</translation>
    </message>
    <message>
        <source>to:</source>
        <translation>bis:</translation>
    </message>
    <message>
        <source>The action is carried out until this time</source>
        <translation>Die Aktion wird bis zu diesem Zeitpunkt ausgeführt</translation>
    </message>
    <message>
        <source>Help about this dialog</source>
        <translation>Hilfe zu diesem Dialog</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Go to the first action</source>
        <translation>Zur ersten Aktion</translation>
    </message>
    <message>
        <source>Go to the previous action</source>
        <translation>Zur vorigen Aktion</translation>
    </message>
    <message>
        <source>Go to the next action</source>
        <translation>Zur nächsten Aktion</translation>
    </message>
    <message>
        <source>Go to the last action</source>
        <translation>Zur letzten Aktion</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TNetActionFreeDlg</name>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Specify new value for </source>
        <translation>Neuen Wert angeben für </translation>
    </message>
    <message>
        <source>set</source>
        <translation>setzen</translation>
    </message>
    <message>
        <source>add</source>
        <translation>addieren</translation>
    </message>
    <message>
        <source>substract</source>
        <translation>abziehen</translation>
    </message>
</context>
<context>
    <name>TNetActionFreeDlgBase</name>
    <message>
        <source>Specify the new value...</source>
        <translation>Neuen Wert angeben...</translation>
    </message>
    <message>
        <source>Action ID:</source>
        <translation>Aktions-Nr.:</translation>
    </message>
    <message>
        <source>Modifier:</source>
        <translation>Änderung:</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>What the action is for</source>
        <translation>Wofür die Aktion ist</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Counter value:</source>
        <translation>Zählerwert:</translation>
    </message>
    <message>
        <source>The number to set, add or substract</source>
        <translation>Die Zahl, die gesetzt, addiert oder abgezogen wird</translation>
    </message>
    <message>
        <source>Currency value:</source>
        <translation>Währungswert:</translation>
    </message>
    <message>
        <source>The amount in the system currency</source>
        <translation>Der Betrag in der Systemwährung</translation>
    </message>
    <message>
        <source>Date value:</source>
        <translation>Datumswert:</translation>
    </message>
    <message>
        <source>The date to set</source>
        <translation>Das zu setzende Datum</translation>
    </message>
    <message>
        <source>dd.MM.yyyy hh:mm:ss</source>
        <translation>dd.MM.yyyy hh:mm:ss</translation>
    </message>
    <message>
        <source>Accepts the new values and continues.</source>
        <translation>Übernimmt die neuen Werte und fährt fort.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancels action writing.</source>
        <translation>Bricht das Schreiben der Aktion ab.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TNetActionTemplateDlg</name>
    <message>
        <source>card locked</source>
        <translation>Karte gesperrt</translation>
    </message>
    <message>
        <source>Points saldo</source>
        <translation>Punktestand</translation>
    </message>
    <message>
        <source>Points min</source>
        <translation>Punkte min.</translation>
    </message>
    <message>
        <source>Points max</source>
        <translation>Punkte max.</translation>
    </message>
    <message>
        <source>Extra Points 1</source>
        <translation>Extrapunkte 1</translation>
    </message>
    <message>
        <source>Extra Points 2</source>
        <translation>Extrapunkte 2</translation>
    </message>
    <message>
        <source>Extra Points 3</source>
        <translation>Extrapunkte 3</translation>
    </message>
    <message>
        <source>Extra Points min</source>
        <translation>Extrapunkte min.</translation>
    </message>
    <message>
        <source>Extra Points max</source>
        <translation>Extrapunkte max.</translation>
    </message>
    <message>
        <source>Client number</source>
        <translation>Kundennummer</translation>
    </message>
    <message>
        <source>Person type</source>
        <translation>Personentyp</translation>
    </message>
    <message>
        <source>Outlet</source>
        <translation>Outlet</translation>
    </message>
    <message>
        <source>Pricefinding</source>
        <translation>Preisfindung</translation>
    </message>
    <message>
        <source>Pricelevel</source>
        <translation>Preisebene</translation>
    </message>
    <message>
        <source>Subvent count</source>
        <translation>Subventionsanzahl</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tisch</translation>
    </message>
    <message>
        <source>Party</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Waiter</source>
        <translation>Kellner</translation>
    </message>
    <message>
        <source>Credit saldo</source>
        <translation>Guthaben</translation>
    </message>
    <message>
        <source>Credit min</source>
        <translation>Guthaben min.</translation>
    </message>
    <message>
        <source>Credit max</source>
        <translation>Guthaben max.</translation>
    </message>
    <message>
        <source>Given subvent</source>
        <translation>Gewährte Subvention</translation>
    </message>
    <message>
        <source>valid from</source>
        <translation>gültig ab</translation>
    </message>
    <message>
        <source>valid to</source>
        <translation>gültig bis</translation>
    </message>
    <message>
        <source>Last subvent</source>
        <translation>Letzte Subvention</translation>
    </message>
    <message>
        <source>change locked status</source>
        <translation>Sperrstatus ändern</translation>
    </message>
    <message>
        <source>change counter value</source>
        <translation>Zählerwert ändern</translation>
    </message>
    <message>
        <source>change currency value</source>
        <translation>Währungswert ändern</translation>
    </message>
    <message>
        <source>set date</source>
        <translation>Datum setzen</translation>
    </message>
    <message>
        <source>change day value</source>
        <translation>Tageswert ändern</translation>
    </message>
    <message>
        <source>change month value</source>
        <translation>Monatswert ändern</translation>
    </message>
    <message>
        <source>change year value</source>
        <translation>Jahreswert ändern</translation>
    </message>
    <message>
        <source>set to</source>
        <translation>setzen auf</translation>
    </message>
    <message>
        <source>add value</source>
        <translation>Wert addieren</translation>
    </message>
    <message>
        <source>substract value</source>
        <translation>Wert abziehen</translation>
    </message>
    <message>
        <source>Counter Value:</source>
        <translation>Zählerwert:</translation>
    </message>
    <message>
        <source>Day value:</source>
        <translation>Tageswert:</translation>
    </message>
    <message>
        <source>Month value:</source>
        <translation>Monatswert:</translation>
    </message>
    <message>
        <source>Year value:</source>
        <translation>Jahreswert:</translation>
    </message>
    <message>
        <source>not set</source>
        <translation>nicht gesetzt</translation>
    </message>
</context>
<context>
    <name>TNetActionTemplateDlgBase</name>
    <message>
        <source>Create a new card action template...</source>
        <translation>Neue Kartenaktionsvorlage anlegen...</translation>
    </message>
    <message>
        <source>Number:</source>
        <translation>Nummer:</translation>
    </message>
    <message>
        <source>The number of the template</source>
        <translation>Die Nummer der Vorlage</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>The name of the template</source>
        <translation>Der Name der Vorlage</translation>
    </message>
    <message>
        <source>Single Actions</source>
        <translation>Einzelaktionen</translation>
    </message>
    <message>
        <source>Double click or Return edits the action.</source>
        <translation>Doppelklick oder Return bearbeitet die Aktion.</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Adds an action (Insert)</source>
        <translation>Fügt eine Aktion hinzu (Einfg)</translation>
    </message>
    <message>
        <source>add</source>
        <translation>addieren</translation>
    </message>
    <message>
        <source>Deletes the selected action (Delete)</source>
        <translation>Löscht die gewählte Aktion (Entf)</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>löschen</translation>
    </message>
    <message>
        <source>Moves the selected action up</source>
        <translation>Verschiebt die gewählte Aktion nach oben</translation>
    </message>
    <message>
        <source>Moves the selected action down</source>
        <translation>Verschiebt die gewählte Aktion nach unten</translation>
    </message>
    <message>
        <source>Help about this dialog</source>
        <translation>Hilfe zu diesem Dialog</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Go to the first template</source>
        <translation>Zur ersten Vorlage</translation>
    </message>
    <message>
        <source>Go to the previous template</source>
        <translation>Zur vorigen Vorlage</translation>
    </message>
    <message>
        <source>Go to the next template</source>
        <translation>Zur nächsten Vorlage</translation>
    </message>
    <message>
        <source>Go to the last template</source>
        <translation>Zur letzten Vorlage</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TNetCardDlg</name>
    <message>
        <source>ID</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Terminal</source>
        <translation>Terminal</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Grund</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Action date</source>
        <translation>Aktionsdatum</translation>
    </message>
    <message>
        <source>Card No.</source>
        <translation>Karten-Nr.</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Write waiter</source>
        <translation>Schreibender Kellner</translation>
    </message>
    <message>
        <source>Counter</source>
        <translation>Zähler</translation>
    </message>
    <message>
        <source>Payform</source>
        <translation>Zahlungsart</translation>
    </message>
    <message>
        <source>Client No.</source>
        <translation>Kunden-Nr.</translation>
    </message>
    <message>
        <source>Functions</source>
        <translation>Funktionen</translation>
    </message>
    <message>
        <source>Points min</source>
        <translation>Punkte min.</translation>
    </message>
    <message>
        <source>Points max</source>
        <translation>Punkte max.</translation>
    </message>
    <message>
        <source>Points saldo</source>
        <translation>Punktestand</translation>
    </message>
    <message>
        <source>Credit min</source>
        <translation>Guthaben min.</translation>
    </message>
    <message>
        <source>Credit max</source>
        <translation>Guthaben max.</translation>
    </message>
    <message>
        <source>Credit saldo</source>
        <translation>Guthaben</translation>
    </message>
    <message>
        <source>Extra Points min</source>
        <translation>Extrapunkte min.</translation>
    </message>
    <message>
        <source>Extra Points max</source>
        <translation>Extrapunkte max.</translation>
    </message>
    <message>
        <source>Extra Points 1 Saldo</source>
        <translation>Extrapunkte 1 Stand</translation>
    </message>
    <message>
        <source>Extra Points 2 Saldo</source>
        <translation>Extrapunkte 2 Stand</translation>
    </message>
    <message>
        <source>Extra Points 3 Saldo</source>
        <translation>Extrapunkte 3 Stand</translation>
    </message>
    <message>
        <source>Valid from</source>
        <translation>Gültig ab</translation>
    </message>
    <message>
        <source>Valid to</source>
        <translation>Gültig bis</translation>
    </message>
    <message>
        <source>Last write</source>
        <translation>Letztes Schreiben</translation>
    </message>
    <message>
        <source>Last subvent</source>
        <translation>Letzte Subvention</translation>
    </message>
    <message>
        <source>Last format</source>
        <translation>Letzte Formatierung</translation>
    </message>
    <message>
        <source>Table/Party</source>
        <translation>Tisch/Gruppe</translation>
    </message>
    <message>
        <source>Card waiter</source>
        <translation>Kartenkellner</translation>
    </message>
    <message>
        <source>Pricefinding</source>
        <translation>Preisfindung</translation>
    </message>
    <message>
        <source>Pricemodel</source>
        <translation>Preismodell</translation>
    </message>
    <message>
        <source>Subvent count</source>
        <translation>Subventionsanzahl</translation>
    </message>
    <message>
        <source>Given subvent</source>
        <translation>Gewährte Subvention</translation>
    </message>
    <message>
        <source>Persontype</source>
        <translation>Personentyp</translation>
    </message>
    <message>
        <source>Outlet</source>
        <translation>Outlet</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Create waiter</source>
        <translation>Anlegender Kellner</translation>
    </message>
    <message>
        <source>Create date</source>
        <translation>Anlagedatum</translation>
    </message>
    <message>
        <source>Booked</source>
        <translation>Gebucht</translation>
    </message>
    <message>
        <source>Book date</source>
        <translation>Buchungsdatum</translation>
    </message>
    <message>
        <source>Book terminal</source>
        <translation>Buchungsterminal</translation>
    </message>
    <message>
        <source>Spezification</source>
        <translation>Angabe</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>not specified</source>
        <translation>nicht angegeben</translation>
    </message>
    <message>
        <source> ( NOT VALID )</source>
        <translation> ( NICHT GÜLTIG )</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Waiter is not allowed. Id to high!</source>
        <translation>Kellner nicht erlaubt. Nummer zu hoch!</translation>
    </message>
    <message>
        <source>Write card</source>
        <translation>Karte schreiben</translation>
    </message>
    <message>
        <source>Functions can&apos;t be changed by normal writing.
Continue with original functions?</source>
        <translation>Funktionen können durch normales Schreiben nicht geändert werden.
Mit den ursprünglichen Funktionen fortfahren?</translation>
    </message>
    <message>
        <source>Please enter a description:</source>
        <translation>Bitte geben Sie eine Beschreibung ein:</translation>
    </message>
    <message>
        <source>Write card error</source>
        <translation>Fehler beim Schreiben der Karte</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Erfolgreich</translation>
    </message>
    <message>
        <source>Writing card was successful</source>
        <translation>Die Karte wurde erfolgreich geschrieben</translation>
    </message>
    <message>
        <source>Formatting result</source>
        <translation>Ergebnis des Formatierens</translation>
    </message>
    <message>
        <source>%1 card(s) formatted.</source>
        <translation>%1 Karte(n) formatiert.</translation>
    </message>
    <message>
        <source>Loading actionlogs from database, please wait.</source>
        <translation>Aktionsprotokolle werden aus der Datenbank geladen, bitte warten.</translation>
    </message>
    <message>
        <source>Collecting data</source>
        <translation>Daten werden gesammelt</translation>
    </message>
    <message>
        <source>Loading card actions from database, please wait.</source>
        <translation>Kartenaktionen werden aus der Datenbank geladen, bitte warten.</translation>
    </message>
    <message>
        <source>Important</source>
        <translation>Wichtig</translation>
    </message>
    <message>
        <source>Booked actions can&apos;t be changed. Please deselect them.</source>
        <translation>Gebuchte Aktionen können nicht geändert werden. Bitte heben Sie ihre Auswahl auf.</translation>
    </message>
    <message>
        <source>Edit card action...</source>
        <translation>Kartenaktion bearbeiten...</translation>
    </message>
    <message>
        <source>Booked actions can&apos;t be deleted. Please deselect them.</source>
        <translation>Gebuchte Aktionen können nicht gelöscht werden. Bitte heben Sie ihre Auswahl auf.</translation>
    </message>
    <message>
        <source>Remove Actions</source>
        <translation>Aktionen entfernen</translation>
    </message>
    <message>
        <source>Error while removing card actions</source>
        <translation>Fehler beim Entfernen von Kartenaktionen</translation>
    </message>
    <message>
        <source>%1 card actions could not be removed.</source>
        <translation>%1 Kartenaktionen konnten nicht entfernt werden.</translation>
    </message>
    <message>
        <source>Export to...</source>
        <translation>Exportieren nach...</translation>
    </message>
    <message>
        <source>XML files (*.xml)</source>
        <translation>XML-Dateien (*.xml)</translation>
    </message>
    <message>
        <source>%1 cannot be written:
%2</source>
        <translation>%1 kann nicht geschrieben werden:
%2</translation>
    </message>
    <message>
        <source>Action log of card %1 (%2)</source>
        <translation>Aktionsprotokoll der Karte %1 (%2)</translation>
    </message>
</context>
<context>
    <name>TNetCardDlgBase</name>
    <message>
        <source>Manage card properties</source>
        <translation>Karteneigenschaften verwalten</translation>
    </message>
    <message>
        <source>Card n&amp;umber:</source>
        <translation>Karten&amp;nummer:</translation>
    </message>
    <message>
        <source>The number of the card</source>
        <translation>Die Nummer der Karte</translation>
    </message>
    <message>
        <source>UID:</source>
        <translation>UID:</translation>
    </message>
    <message>
        <source>The UID of the card&apos;s chip</source>
        <translation>Die UID des Chips der Karte</translation>
    </message>
    <message>
        <source>C&amp;ard properties</source>
        <translation>K&amp;arteneigenschaften</translation>
    </message>
    <message>
        <source>General properties</source>
        <translation>Allgemeine Eigenschaften</translation>
    </message>
    <message>
        <source>Client:</source>
        <translation>Kunde:</translation>
    </message>
    <message>
        <source>The number of the client the card is issued to; 0 for none</source>
        <translation>Die Nummer des Kunden, auf den die Karte ausgestellt ist; 0 für keinen</translation>
    </message>
    <message>
        <source>select</source>
        <translation>auswählen</translation>
    </message>
    <message>
        <source>Choose the client from the clients of the card server</source>
        <translation>Den Kunden aus den Kunden des Kartenservers wählen</translation>
    </message>
    <message>
        <source>Subvention map:</source>
        <translation>Subventionszuordnung:</translation>
    </message>
    <message>
        <source>How the card finds its prices and subventions</source>
        <translation>Wie die Karte ihre Preise und Subventionen findet</translation>
    </message>
    <message>
        <source>Price level:</source>
        <translation>Preisebene:</translation>
    </message>
    <message>
        <source>Person type:</source>
        <translation>Personentyp:</translation>
    </message>
    <message>
        <source>Outlet:</source>
        <translation>Outlet:</translation>
    </message>
    <message>
        <source>Valid from:</source>
        <translation>Gültig ab:</translation>
    </message>
    <message>
        <source>dd.MM.yyyy hh:mm</source>
        <translation>dd.MM.yyyy hh:mm</translation>
    </message>
    <message>
        <source>The card is valid from this time</source>
        <translation>Die Karte gilt ab diesem Zeitpunkt</translation>
    </message>
    <message>
        <source>Valid to:</source>
        <translation>Gültig bis:</translation>
    </message>
    <message>
        <source>The card is valid until this time</source>
        <translation>Die Karte gilt bis zu diesem Zeitpunkt</translation>
    </message>
    <message>
        <source>Last subvention:</source>
        <translation>Letzte Subvention:</translation>
    </message>
    <message>
        <source>When the card got its last subvention</source>
        <translation>Wann die Karte ihre letzte Subvention erhielt</translation>
    </message>
    <message>
        <source>card is locked</source>
        <translation>Karte ist gesperrt</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Displays the result of the last action.</source>
        <translation>Zeigt das Ergebnis der letzten Aktion.</translation>
    </message>
    <message>
        <source>format card</source>
        <translation>Karte formatieren</translation>
    </message>
    <message>
        <source>Format new cards with the functions and values shown</source>
        <translation>Neue Karten mit den gezeigten Funktionen und Werten formatieren</translation>
    </message>
    <message>
        <source>Functions</source>
        <translation>Funktionen</translation>
    </message>
    <message>
        <source>Credit</source>
        <translation>Guthaben</translation>
    </message>
    <message>
        <source>Saldo:</source>
        <translation>Stand:</translation>
    </message>
    <message>
        <source>The credit balance</source>
        <translation>Das Guthaben</translation>
    </message>
    <message>
        <source>Min:</source>
        <translation>Min.:</translation>
    </message>
    <message>
        <source>The lowest credit balance allowed</source>
        <translation>Das niedrigste erlaubte Guthaben</translation>
    </message>
    <message>
        <source>Max:</source>
        <translation>Max.:</translation>
    </message>
    <message>
        <source>The highest credit balance allowed</source>
        <translation>Das höchste erlaubte Guthaben</translation>
    </message>
    <message>
        <source>Given subvention:</source>
        <translation>Gewährte Subvention:</translation>
    </message>
    <message>
        <source>The subvention granted</source>
        <translation>Die gewährte Subvention</translation>
    </message>
    <message>
        <source>Waiter</source>
        <translation>Kellner</translation>
    </message>
    <message>
        <source>Waiter:</source>
        <translation>Kellner:</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tisch</translation>
    </message>
    <message>
        <source>Table:</source>
        <translation>Tisch:</translation>
    </message>
    <message>
        <source>Party:</source>
        <translation>Gruppe:</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Extra 1:</source>
        <translation>Extra 1:</translation>
    </message>
    <message>
        <source>Extra 2:</source>
        <translation>Extra 2:</translation>
    </message>
    <message>
        <source>Extra 3:</source>
        <translation>Extra 3:</translation>
    </message>
    <message>
        <source>Extra min:</source>
        <translation>Extra min.:</translation>
    </message>
    <message>
        <source>Extra max:</source>
        <translation>Extra max.:</translation>
    </message>
    <message>
        <source>Single ac&amp;tions</source>
        <translation>Einzelak&amp;tionen</translation>
    </message>
    <message>
        <source>include booked actions</source>
        <translation>gebuchte Aktionen einschließen</translation>
    </message>
    <message>
        <source>delete action</source>
        <translation>Aktion löschen</translation>
    </message>
    <message>
        <source>Delete the selected actions.</source>
        <translation>Die gewählten Aktionen löschen.</translation>
    </message>
    <message>
        <source>export</source>
        <translation>exportieren</translation>
    </message>
    <message>
        <source>Export the current list to xml.</source>
        <translation>Die aktuelle Liste als XML exportieren.</translation>
    </message>
    <message>
        <source>print</source>
        <translation>drucken</translation>
    </message>
    <message>
        <source>&amp;Actionlogs</source>
        <translation>&amp;Aktionsprotokolle</translation>
    </message>
    <message>
        <source>Entries count:</source>
        <translation>Anzahl Einträge:</translation>
    </message>
    <message>
        <source>all entries</source>
        <translation>alle Einträge</translation>
    </message>
    <message>
        <source>The maximum number of entries to display. Set to 0 to get all entries (may be slow).</source>
        <translation>Die höchste Anzahl gezeigter Einträge. 0 zeigt alle Einträge (kann langsam sein).</translation>
    </message>
    <message>
        <source>include read actions</source>
        <translation>gelesene Aktionen einschließen</translation>
    </message>
    <message>
        <source>Print the current list.</source>
        <translation>Die aktuelle Liste drucken.</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Counter:</source>
        <translation>Zähler:</translation>
    </message>
    <message>
        <source>The process counter: every write to the card counts it up</source>
        <translation>Der Vorgangszähler: Jedes Schreiben auf die Karte zählt ihn hoch</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>DB</source>
        <translation>DB</translation>
    </message>
    <message>
        <source>Whether the card database keeps the card too</source>
        <translation>Ob die Kartendatenbank die Karte ebenfalls führt</translation>
    </message>
    <message>
        <source>Mandant:</source>
        <translation>Mandant:</translation>
    </message>
    <message>
        <source>Last write:</source>
        <translation>Letztes Schreiben:</translation>
    </message>
    <message>
        <source>When the card was last written</source>
        <translation>Wann die Karte zuletzt beschrieben wurde</translation>
    </message>
    <message>
        <source>Last format:</source>
        <translation>Letzte Formatierung:</translation>
    </message>
    <message>
        <source>When the card was last formatted</source>
        <translation>Wann die Karte zuletzt formatiert wurde</translation>
    </message>
    <message>
        <source>Help about this dialog</source>
        <translation>Hilfe zu diesem Dialog</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Go to the first card</source>
        <translation>Zur ersten Karte</translation>
    </message>
    <message>
        <source>Go to the previous card</source>
        <translation>Zur vorigen Karte</translation>
    </message>
    <message>
        <source>Go to the next card</source>
        <translation>Zur nächsten Karte</translation>
    </message>
    <message>
        <source>Go to the last card</source>
        <translation>Zur letzten Karte</translation>
    </message>
    <message>
        <source>Write card</source>
        <translation>Karte schreiben</translation>
    </message>
    <message>
        <source>Write the values shown to the card on the reader</source>
        <translation>Die gezeigten Werte auf die Karte auf dem Leser schreiben</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>TNetClientCopy</name>
    <message>
        <source>Loading data from database, please wait.</source>
        <translation>Daten werden aus der Datenbank geladen, bitte warten.</translation>
    </message>
    <message>
        <source>Collecting data</source>
        <translation>Daten werden gesammelt</translation>
    </message>
</context>
<context>
    <name>TNetClientDlg</name>
    <message>
        <source>not known</source>
        <translation>nicht bekannt</translation>
    </message>
    <message>
        <source>not specified</source>
        <translation>nicht angegeben</translation>
    </message>
    <message>
        <source>Needed before OK: a name or a first name</source>
        <translation>Vor OK nötig: ein Name oder ein Vorname</translation>
    </message>
    <message>
        <source>There is no card reader to write the client with.</source>
        <translation>Es gibt keinen Kartenleser, mit dem der Kunde geschrieben werden kann.</translation>
    </message>
    <message>
        <source>Client&apos;s bitmap...</source>
        <translation>Bild des Kunden...</translation>
    </message>
    <message>
        <source>Pictures (*.bmp *.xpm *.jpg *.gif *.png)</source>
        <translation>Bilder (*.bmp *.xpm *.jpg *.gif *.png)</translation>
    </message>
    <message>
        <source>Client insert error</source>
        <translation>Fehler beim Anlegen des Kunden</translation>
    </message>
    <message>
        <source>Client update error</source>
        <translation>Fehler beim Ändern des Kunden</translation>
    </message>
</context>
<context>
    <name>TNetClientDlgBase</name>
    <message>
        <source>Insert new client...</source>
        <translation>Neuen Kunden anlegen...</translation>
    </message>
    <message>
        <source>N&amp;umber:</source>
        <translation>N&amp;ummer:</translation>
    </message>
    <message>
        <source>The number of the client</source>
        <translation>Die Nummer des Kunden</translation>
    </message>
    <message>
        <source>Parent ID:</source>
        <translation>Übergeordnete Nr.:</translation>
    </message>
    <message>
        <source>The client this client belongs to</source>
        <translation>Der Kunde, zu dem dieser Kunde gehört</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>The name of the client; a name or a first name is needed</source>
        <translation>Der Name des Kunden; ein Name oder ein Vorname ist nötig</translation>
    </message>
    <message>
        <source>First name:</source>
        <translation>Vorname:</translation>
    </message>
    <message>
        <source>The first name of the client</source>
        <translation>Der Vorname des Kunden</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse:</translation>
    </message>
    <message>
        <source>The address line, such as a title or a company</source>
        <translation>Die Adresszeile, etwa ein Titel oder eine Firma</translation>
    </message>
    <message>
        <source>&amp;Street:</source>
        <translation>&amp;Straße:</translation>
    </message>
    <message>
        <source>C&amp;ity:</source>
        <translation>&amp;Ort:</translation>
    </message>
    <message>
        <source>Birthday:</source>
        <translation>Geburtstag:</translation>
    </message>
    <message>
        <source>The birthday of the client; 01.01.1800 when it is not known</source>
        <translation>Der Geburtstag des Kunden; 01.01.1800, wenn er nicht bekannt ist</translation>
    </message>
    <message>
        <source>dd.MM.yyyy</source>
        <translation>dd.MM.yyyy</translation>
    </message>
    <message>
        <source>Phone &amp;1:</source>
        <translation>Telefon &amp;1:</translation>
    </message>
    <message>
        <source>Phone &amp;2:</source>
        <translation>Telefon &amp;2:</translation>
    </message>
    <message>
        <source>Fa&amp;x:</source>
        <translation>Fa&amp;x:</translation>
    </message>
    <message>
        <source>EMail Addr.:</source>
        <translation>E-Mail-Adr.:</translation>
    </message>
    <message>
        <source>&amp;Bitmap:</source>
        <translation>B&amp;ild:</translation>
    </message>
    <message>
        <source>The picture of the client, relative to the data folder</source>
        <translation>Das Bild des Kunden, relativ zum Datenordner</translation>
    </message>
    <message>
        <source>Choose a picture of the client</source>
        <translation>Ein Bild des Kunden wählen</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Help about this dialog</source>
        <translation>Hilfe zu diesem Dialog</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Go to the first client</source>
        <translation>Zum ersten Kunden</translation>
    </message>
    <message>
        <source>Go to the previous client</source>
        <translation>Zum vorigen Kunden</translation>
    </message>
    <message>
        <source>Go to the next client</source>
        <translation>Zum nächsten Kunden</translation>
    </message>
    <message>
        <source>Go to the last client</source>
        <translation>Zum letzten Kunden</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TNetClientSelectDlg</name>
    <message>
        <source>ID</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Prename</source>
        <translation>Vorname</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>Geburtstag</translation>
    </message>
    <message>
        <source>Plz</source>
        <translation>PLZ</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Straße</translation>
    </message>
    <message>
        <source>Phone1</source>
        <translation>Telefon 1</translation>
    </message>
    <message>
        <source>Phone2</source>
        <translation>Telefon 2</translation>
    </message>
    <message>
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Bitmap</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Parent</source>
        <translation>Übergeordnet</translation>
    </message>
</context>
<context>
    <name>TNetClientSelectDlgBase</name>
    <message>
        <source>Select a client</source>
        <translation>Kunden auswählen</translation>
    </message>
    <message>
        <source>Available clients</source>
        <translation>Verfügbare Kunden</translation>
    </message>
    <message>
        <source>Double click or Return takes the client.</source>
        <translation>Doppelklick oder Return übernimmt den Kunden.</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Text to search for in every column; Return finds the next client with it.</source>
        <translation>Text, der in jeder Spalte gesucht wird; Return findet den nächsten Kunden damit.</translation>
    </message>
    <message>
        <source>search</source>
        <translation>suchen</translation>
    </message>
    <message>
        <source>Creates a new client.</source>
        <translation>Legt einen neuen Kunden an.</translation>
    </message>
    <message>
        <source>&amp;New client...</source>
        <translation>&amp;Neuer Kunde...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TNetReader</name>
    <message>
        <source>Success</source>
        <translation>Erfolgreich</translation>
    </message>
    <message>
        <source>No card inserted</source>
        <translation>Keine Karte eingelegt</translation>
    </message>
    <message>
        <source>Unresponsive card</source>
        <translation>Karte antwortet nicht</translation>
    </message>
    <message>
        <source>Unsupported card</source>
        <translation>Karte nicht unterstützt</translation>
    </message>
    <message>
        <source>Reader in use</source>
        <translation>Leser belegt</translation>
    </message>
    <message>
        <source>Jammed card</source>
        <translation>Karte klemmt</translation>
    </message>
    <message>
        <source>Unsupported reader</source>
        <translation>Leser nicht unterstützt</translation>
    </message>
    <message>
        <source>Could not access data block</source>
        <translation>Kein Zugriff auf den Datenblock</translation>
    </message>
    <message>
        <source>Not a K7 card</source>
        <translation>Keine K7-Karte</translation>
    </message>
    <message>
        <source>Card data mismatch</source>
        <translation>Kartendaten stimmen nicht überein</translation>
    </message>
    <message>
        <source>Card not found in DB</source>
        <translation>Karte nicht in der Datenbank</translation>
    </message>
    <message>
        <source>Process counter mismatch</source>
        <translation>Vorgangszähler stimmt nicht überein</translation>
    </message>
    <message>
        <source>Shadow data mismatch</source>
        <translation>Schattendaten stimmen nicht überein</translation>
    </message>
    <message>
        <source>Could not access DB</source>
        <translation>Kein Zugriff auf die Datenbank</translation>
    </message>
    <message>
        <source>Wrong mandant</source>
        <translation>Falscher Mandant</translation>
    </message>
    <message>
        <source>Unable to get Mifare key</source>
        <translation>Mifare-Schlüssel nicht erhältlich</translation>
    </message>
    <message>
        <source>Unable to get Mifare uid</source>
        <translation>Mifare-UID nicht erhältlich</translation>
    </message>
    <message>
        <source>Unable to read section block</source>
        <translation>Sektorblock nicht lesbar</translation>
    </message>
    <message>
        <source>Unable to read key section</source>
        <translation>Schlüsselsektor nicht lesbar</translation>
    </message>
    <message>
        <source>Wrong Mifare UID detected</source>
        <translation>Falsche Mifare-UID erkannt</translation>
    </message>
    <message>
        <source>Authorisation error</source>
        <translation>Berechtigungsfehler</translation>
    </message>
    <message>
        <source>Application blocked</source>
        <translation>Anwendung gesperrt</translation>
    </message>
    <message>
        <source>Other internal error</source>
        <translation>Anderer interner Fehler</translation>
    </message>
</context>
<context>
    <name>TOfficeWindow</name>
    <message>
        <source>... and %1 more</source>
        <translation>... und %1 weitere</translation>
    </message>
    <message>
        <source>Filter the list (Ctrl+F; Return finds the next)</source>
        <translation>Liste filtern (Strg+F; Return findet den nächsten)</translation>
    </message>
    <message>
        <source>Saved: %1</source>
        <translation>Gespeichert: %1</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Neu...</translation>
    </message>
    <message>
        <source>Create a new record</source>
        <translation>Einen neuen Datensatz anlegen</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Bearbeiten...</translation>
    </message>
    <message>
        <source>Edit the selected records (Return or double click)</source>
        <translation>Die gewählten Datensätze bearbeiten (Return oder Doppelklick)</translation>
    </message>
    <message>
        <source>&amp;Show record...</source>
        <translation>Datensatz &amp;anzeigen...</translation>
    </message>
    <message>
        <source>Show every attribute of the selected record</source>
        <translation>Alle Attribute des gewählten Datensatzes zeigen</translation>
    </message>
    <message>
        <source>&amp;Delete...</source>
        <translation>&amp;Löschen...</translation>
    </message>
    <message>
        <source>Delete the selected records</source>
        <translation>Die gewählten Datensätze löschen</translation>
    </message>
    <message>
        <source>Deleted &amp;records...</source>
        <translation>&amp;Gelöschte Datensätze...</translation>
    </message>
    <message>
        <source>Bring back records deleted since the start</source>
        <translation>Seit dem Start gelöschte Datensätze zurückholen</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>Filter the list</source>
        <translation>Die Liste filtern</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>A&amp;ktualisieren</translation>
    </message>
    <message>
        <source>Read the lists that other programs changed</source>
        <translation>Die Listen neu lesen, die andere Programme geändert haben</translation>
    </message>
    <message>
        <source>E&amp;xport to CSV...</source>
        <translation>Als CSV e&amp;xportieren...</translation>
    </message>
    <message>
        <source>Write the rows shown to a CSV file</source>
        <translation>Die gezeigten Zeilen in eine CSV-Datei schreiben</translation>
    </message>
    <message>
        <source>&amp;Print to PDF...</source>
        <translation>Als PDF &amp;drucken...</translation>
    </message>
    <message>
        <source>Write the rows shown to a PDF document</source>
        <translation>Die gezeigten Zeilen in ein PDF-Dokument schreiben</translation>
    </message>
    <message>
        <source>&amp;Columns...</source>
        <translation>&amp;Spalten...</translation>
    </message>
    <message>
        <source>Choose the columns of the list</source>
        <translation>Die Spalten der Liste wählen</translation>
    </message>
    <message>
        <source>Change &amp;user...</source>
        <translation>&amp;Benutzer wechseln...</translation>
    </message>
    <message>
        <source>Log in as another user</source>
        <translation>Als anderer Benutzer anmelden</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>Quit the back office</source>
        <translation>Die Verwaltung beenden</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>Daten&amp;satz</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;About lumoffice</source>
        <translation>Ü&amp;ber lumoffice</translation>
    </message>
    <message>
        <source>About lumoffice</source>
        <translation>Über lumoffice</translation>
    </message>
    <message>
        <source>lumoffice %1
The back office of the point of sale.

Data root: %2</source>
        <translation>lumoffice %1
Die Verwaltung der Kasse.

Datenverzeichnis: %2</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Datensätze</translation>
    </message>
    <message>
        <source>The file %1 could not be read completely. The records that could be read are shown; nothing is saved to this file until it is repaired.</source>
        <translation>Die Datei %1 konnte nicht vollständig gelesen werden. Die lesbaren Datensätze werden gezeigt; in diese Datei wird nichts gespeichert, bis sie repariert ist.</translation>
    </message>
    <message>
        <source>%1 was changed by another program and has been read again.</source>
        <translation>%1 wurde von einem anderen Programm geändert und neu gelesen.</translation>
    </message>
    <message>
        <source>Damaged data file</source>
        <translation>Beschädigte Datendatei</translation>
    </message>
    <message>
        <source>The file %1 could not be read completely:
%2

The records that could be read are shown, but the file is not written until it is repaired.</source>
        <translation>Die Datei %1 konnte nicht vollständig gelesen werden:
%2

Die lesbaren Datensätze werden gezeigt, aber die Datei wird nicht geschrieben, bis sie repariert ist.</translation>
    </message>
    <message>
        <source>Save error</source>
        <translation>Speicherfehler</translation>
    </message>
    <message>
        <source>The changes could not be saved to %1:
%2

The previous file is still in place; the changes are tried again with the next save.</source>
        <translation>Die Änderungen konnten nicht in %1 gespeichert werden:
%2

Die bisherige Datei ist unverändert; die Änderungen werden beim nächsten Speichern erneut versucht.</translation>
    </message>
    <message>
        <source>You have no access to this list.</source>
        <translation>Sie haben keinen Zugriff auf diese Liste.</translation>
    </message>
    <message>
        <source>You may only look at this list.</source>
        <translation>Sie dürfen diese Liste nur ansehen.</translation>
    </message>
    <message>
        <source>The list&apos;s file is damaged: nothing is written to it.</source>
        <translation>Die Datei der Liste ist beschädigt: Es wird nichts hineingeschrieben.</translation>
    </message>
    <message>
        <source>user %1</source>
        <translation>Benutzer %1</translation>
    </message>
    <message>
        <source>Logged in: %1</source>
        <translation>Angemeldet: %1</translation>
    </message>
    <message>
        <source>Nobody logged in</source>
        <translation>Niemand angemeldet</translation>
    </message>
    <message>
        <source>lumoffice - %1</source>
        <translation>lumoffice - %1</translation>
    </message>
    <message>
        <source>lumoffice - %1 - %2</source>
        <translation>lumoffice - %1 - %2</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) in %1</source>
        <translation>
            <numerusform>%n Datensatz in %1</numerusform>
            <numerusform>%n Datensätze in %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n record(s) in %2</source>
        <translation>
            <numerusform>%1 von %n Datensatz in %2</numerusform>
            <numerusform>%1 von %n Datensätzen in %2</numerusform>
        </translation>
    </message>
    <message>
        <source>This list has no more columns</source>
        <translation>Diese Liste hat keine weiteren Spalten</translation>
    </message>
    <message>
        <source>No access</source>
        <translation>Kein Zugriff</translation>
    </message>
    <message>
        <source>You may not change this list.</source>
        <translation>Sie dürfen diese Liste nicht ändern.</translation>
    </message>
    <message>
        <source>Delete records</source>
        <translation>Datensätze löschen</translation>
    </message>
    <message>
        <source>The system currency cannot be deleted: every amount is kept in it.</source>
        <translation>Die Systemwährung kann nicht gelöscht werden: Jeder Betrag wird in ihr geführt.</translation>
    </message>
    <message>
        <source>These records refer to what you are about to delete:

%1

They will refer to records that do not exist. Delete anyway?</source>
        <translation>Diese Datensätze verweisen auf das, was Sie löschen wollen:

%1

Sie werden dann auf Datensätze verweisen, die es nicht gibt. Trotzdem löschen?</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>%1 %2 could not be deleted:
%3</source>
        <translation>%1 %2 konnte nicht gelöscht werden:
%3</translation>
    </message>
    <message>
        <source>Deleted; Record &gt; Deleted records brings them back.</source>
        <translation>Gelöscht; Datensatz &gt; Gelöschte Datensätze holt sie zurück.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not in the list.</source>
        <translation>„%1“ ist nicht in der Liste.</translation>
    </message>
    <message>
        <source>Export to CSV</source>
        <translation>Als CSV exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Written: %1</source>
        <translation>Geschrieben: %1</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>%1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Print to PDF</source>
        <translation>Als PDF drucken</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF-Dokumente (*.pdf)</translation>
    </message>
    <message>
        <source>Change user</source>
        <translation>Benutzer wechseln</translation>
    </message>
    <message>
        <source>Waiter number (0: nobody):</source>
        <translation>Kellnernummer (0: niemand):</translation>
    </message>
    <message>
        <source>There is no waiter %1.</source>
        <translation>Es gibt keinen Kellner %1.</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Some changes could not be saved. Quit anyway and lose them?</source>
        <translation>Einige Änderungen konnten nicht gespeichert werden. Trotzdem beenden und sie verlieren?</translation>
    </message>
    <message numerus="yes">
        <source>History: %n change(s) wait</source>
        <translation>
            <numerusform>Historie: %n Änderung wartet</numerusform>
            <numerusform>Historie: %n Änderungen warten</numerusform>
        </translation>
    </message>
    <message>
        <source>The change history could not be written; the changes are written with the next save.
%1</source>
        <translation>Die Änderungshistorie konnte nicht geschrieben werden; die Änderungen werden beim nächsten Speichern geschrieben.
%1</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Historie...</translation>
    </message>
    <message>
        <source>Who changed the selected record, what and when</source>
        <translation>Wer den gewählten Datensatz wann wie geändert hat</translation>
    </message>
    <message>
        <source>History of the &amp;list...</source>
        <translation>Historie der Li&amp;ste...</translation>
    </message>
    <message>
        <source>Every change of the list, by user and period</source>
        <translation>Jede Änderung der Liste, nach Benutzer und Zeitraum</translation>
    </message>
    <message>
        <source>Configuration &amp;check...</source>
        <translation>Konfiguration &amp;prüfen...</translation>
    </message>
    <message>
        <source>List every reference to a record that does not exist</source>
        <translation>Jeden Verweis auf einen nicht vorhandenen Datensatz auflisten</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>nobody logged in</source>
        <translation>niemand angemeldet</translation>
    </message>
    <message>
        <source>Close the editor to restore a version: it shows the record as it is now.</source>
        <translation>Schließen Sie den Editor, um eine Version wiederherzustellen: Er zeigt den Datensatz, wie er jetzt ist.</translation>
    </message>
    <message>
        <source>Hi&amp;story...</source>
        <translation>Hi&amp;storie...</translation>
    </message>
    <message>
        <source>Who changed this record, what and when (Ctrl+H)</source>
        <translation>Wer diesen Datensatz wann wie geändert hat (Strg+H)</translation>
    </message>
    <message>
        <source>Edit record</source>
        <translation>Datensatz bearbeiten</translation>
    </message>
    <message>
        <source>%1 %2 cannot be edited here.</source>
        <translation>%1 %2 kann hier nicht bearbeitet werden.</translation>
    </message>
    <message>
        <source>Export &amp;records to CSV...</source>
        <translation>Datensätze als CSV e&amp;xportieren...</translation>
    </message>
    <message>
        <source>Write every attribute of the list&apos;s records to a CSV file that can be imported again</source>
        <translation>Alle Attribute der Datensätze der Liste in eine CSV-Datei schreiben, die wieder importiert werden kann</translation>
    </message>
    <message>
        <source>&amp;Import from CSV...</source>
        <translation>Aus CSV &amp;importieren...</translation>
    </message>
    <message>
        <source>Show what a CSV file would change in the list, then import it</source>
        <translation>Zeigen, was eine CSV-Datei an der Liste ändern würde, dann importieren</translation>
    </message>
    <message>
        <source>Export records to CSV</source>
        <translation>Datensätze als CSV exportieren</translation>
    </message>
    <message>
        <source>Import from CSV</source>
        <translation>Aus CSV importieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv *.txt);;All files (*)</source>
        <translation>CSV-Dateien (*.csv *.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Line %1, number %2: %3</source>
        <translation>Zeile %1, Nummer %2: %3</translation>
    </message>
    <message>
        <source>%1 row(s) were written; these were refused:

%2</source>
        <translation>%1 Zeile(n) wurden geschrieben; diese wurden abgewiesen:

%2</translation>
    </message>
    <message>
        <source>Imported: %1 row(s) written to %2</source>
        <translation>Importiert: %1 Zeile(n) in %2 geschrieben</translation>
    </message>
</context>
<context>
    <name>TPayformDlg</name>
    <message>
        <source>None specified</source>
        <translation>Keine Angabe</translation>
    </message>
    <message>
        <source>No, forbid payment</source>
        <translation>Nein, Zahlung verbieten</translation>
    </message>
    <message>
        <source>Using %1_%2%3</source>
        <translation>Verwendet %1_%2%3</translation>
    </message>
    <message>
        <source>Printout of bills</source>
        <translation>Druck von Rechnungen</translation>
    </message>
    <message>
        <source>Printout of partial bills</source>
        <translation>Druck von Teilrechnungen</translation>
    </message>
    <message>
        <source>Printout of restore receipts</source>
        <translation>Druck von Wiederherstellungsbelegen</translation>
    </message>
    <message>
        <source>printer %1: %2</source>
        <translation>Drucker %1: %2</translation>
    </message>
    <message>
        <source>obsolete printer</source>
        <translation>veralteter Drucker</translation>
    </message>
    <message>
        <source>layout %1: %2</source>
        <translation>Layout %1: %2</translation>
    </message>
    <message>
        <source>obsolete layout</source>
        <translation>veraltetes Layout</translation>
    </message>
    <message>
        <source>Remove printout</source>
        <translation>Druck entfernen</translation>
    </message>
    <message>
        <source>Are you sure to delete
%1
%2?</source>
        <translation>Wollen Sie
%1
%2
wirklich löschen?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Are you sure to delete the printout configurations
for *** ALL *** bills?</source>
        <translation>Wollen Sie die Druckeinstellungen
für *** ALLE *** Rechnungen wirklich löschen?</translation>
    </message>
    <message>
        <source>Are you sure to delete the printout configurations
for *** ALL *** partial bills?</source>
        <translation>Wollen Sie die Druckeinstellungen
für *** ALLE *** Teilrechnungen wirklich löschen?</translation>
    </message>
    <message>
        <source>Are you sure to delete the printout configurations
for *** ALL *** restore receipts?</source>
        <translation>Wollen Sie die Druckeinstellungen
für *** ALLE *** Wiederherstellungsbelege wirklich löschen?</translation>
    </message>
    <message>
        <source>Remove printouts</source>
        <translation>Drucke entfernen</translation>
    </message>
</context>
<context>
    <name>TPayformDlgBase</name>
    <message>
        <source>Insert new payform...</source>
        <translation>Neue Zahlungsart anlegen...</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>&amp;Allgemein</translation>
    </message>
    <message>
        <source>N&amp;umber:</source>
        <translation>N&amp;ummer:</translation>
    </message>
    <message>
        <source>The ID of this payform</source>
        <translation>Die Nummer dieser Zahlungsart</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Shortname:</source>
        <translation>&amp;Kurzname:</translation>
    </message>
    <message>
        <source>The shortname of this payform</source>
        <translation>Der Kurzname dieser Zahlungsart</translation>
    </message>
    <message>
        <source>Button text:</source>
        <translation>Tastentext:</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Konto:</translation>
    </message>
    <message>
        <source>Bill counter:</source>
        <translation>Rechnungszähler:</translation>
    </message>
    <message>
        <source>Change the bill counter within the counters.dat. Leave empty for default</source>
        <translation>Den Rechnungszähler in counters.dat ändern. Leer lassen für die Vorgabe</translation>
    </message>
    <message>
        <source>Touch prio:</source>
        <translation>Touch-Priorität:</translation>
    </message>
    <message>
        <source>Value to change the sort order within the POS touch</source>
        <translation>Wert, der die Sortierung im Kassen-Touch ändert</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Voucher MPE:</source>
        <translation>Gutschein MPE:</translation>
    </message>
    <message>
        <source>No voucher</source>
        <translation>Kein Gutschein</translation>
    </message>
    <message>
        <source>Pricing method:</source>
        <translation>Preisfindung:</translation>
    </message>
    <message>
        <source>Round type</source>
        <translation>Rundungsart</translation>
    </message>
    <message>
        <source>Mathematical</source>
        <translation>Kaufmännisch</translation>
    </message>
    <message>
        <source>Round up</source>
        <translation>Aufrunden</translation>
    </message>
    <message>
        <source>Round down</source>
        <translation>Abrunden</translation>
    </message>
    <message>
        <source>Swiss model</source>
        <translation>Schweizer Modell</translation>
    </message>
    <message>
        <source>Roundings</source>
        <translation>Rundungen</translation>
    </message>
    <message>
        <source>Round to:</source>
        <translation>Runden auf:</translation>
    </message>
    <message>
        <source>Order PLU:</source>
        <translation>Rundungs-PLU:</translation>
    </message>
    <message>
        <source>Flags</source>
        <translation>Merkmale</translation>
    </message>
    <message>
        <source>Add to &amp;Terminal summary</source>
        <translation>Zur Ter&amp;minalsumme</translation>
    </message>
    <message>
        <source>Should payment to this payform be added to terminal summary?</source>
        <translation>Soll eine Zahlung mit dieser Zahlungsart zur Terminalsumme addiert werden?</translation>
    </message>
    <message>
        <source>Add to Su&amp;mmary</source>
        <translation>Zur &amp;Summe</translation>
    </message>
    <message>
        <source>Should payment to this payform be added to summary?</source>
        <translation>Soll eine Zahlung mit dieser Zahlungsart zur Summe addiert werden?</translation>
    </message>
    <message>
        <source>No bill copy</source>
        <translation>Keine Rechnungskopie</translation>
    </message>
    <message>
        <source>No payment split</source>
        <translation>Keine Zahlungsteilung</translation>
    </message>
    <message>
        <source>No final split either</source>
        <translation>Auch keine Endteilung</translation>
    </message>
    <message>
        <source>No credit articles</source>
        <translation>Keine Gutschriftartikel</translation>
    </message>
    <message>
        <source>No report to fiscal</source>
        <translation>Keine Meldung an Fiskal</translation>
    </message>
    <message>
        <source>Net amount payform</source>
        <translation>Netto-Zahlungsart</translation>
    </message>
    <message>
        <source>Gross for Net</source>
        <translation>Brutto für Netto</translation>
    </message>
    <message>
        <source>Always printout</source>
        <translation>Immer drucken</translation>
    </message>
    <message>
        <source>No return of money</source>
        <translation>Kein Rückgeld</translation>
    </message>
    <message>
        <source>Retour orders</source>
        <translation>Retourbestellungen</translation>
    </message>
    <message>
        <source>No addtional tip</source>
        <translation>Kein zusätzliches Trinkgeld</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Pay as tip</source>
        <translation>Als Trinkgeld zahlen</translation>
    </message>
    <message>
        <source>No Discounts</source>
        <translation>Keine Rabatte</translation>
    </message>
    <message>
        <source>&amp;Read bill only</source>
        <translation>Nur Rechnung &amp;lesen</translation>
    </message>
    <message>
        <source>No tip</source>
        <translation>Kein Trinkgeld</translation>
    </message>
    <message>
        <source>Drawer Counted</source>
        <translation>Kassenlade gezählt</translation>
    </message>
    <message>
        <source>&amp;Payment</source>
        <translation>&amp;Zahlung</translation>
    </message>
    <message>
        <source>M&amp;in. amount:</source>
        <translation>M&amp;indestbetrag:</translation>
    </message>
    <message>
        <source>Minimum amount to be paid by this payform</source>
        <translation>Mindestbetrag, der mit dieser Zahlungsart bezahlt werden muss</translation>
    </message>
    <message>
        <source>Ma&amp;x. amount:</source>
        <translation>Hö&amp;chstbetrag:</translation>
    </message>
    <message>
        <source>Maximum amount to be paid by this payform</source>
        <translation>Höchstbetrag, der mit dieser Zahlungsart bezahlt werden darf</translation>
    </message>
    <message>
        <source>Order if less:</source>
        <translation>Bestellen, wenn weniger:</translation>
    </message>
    <message>
        <source>Order if more:</source>
        <translation>Bestellen, wenn mehr:</translation>
    </message>
    <message>
        <source>Minimum counts per guest</source>
        <translation>Mindestwerte pro Gast</translation>
    </message>
    <message>
        <source>VAT rate</source>
        <translation>MwSt.-Satz</translation>
    </message>
    <message>
        <source>Ask</source>
        <translation>Abfragen</translation>
    </message>
    <message>
        <source>In house</source>
        <translation>Im Haus</translation>
    </message>
    <message>
        <source>Out of house</source>
        <translation>Außer Haus</translation>
    </message>
    <message>
        <source>Behavior</source>
        <translation>Verhalten</translation>
    </message>
    <message>
        <source>&amp;Open drawer</source>
        <translation>Lade &amp;öffnen</translation>
    </message>
    <message>
        <source>&amp;Drawer constraint</source>
        <translation>La&amp;dezwang</translation>
    </message>
    <message>
        <source>&amp;keep Drawer close</source>
        <translation>Lade geschlossen &amp;halten</translation>
    </message>
    <message>
        <source>&amp;Activate cash changer</source>
        <translation>&amp;Wechselgeldautomat aktivieren</translation>
    </message>
    <message>
        <source>Ask G&amp;uest count</source>
        <translation>&amp;Gästeanzahl abfragen</translation>
    </message>
    <message>
        <source>Ask for &amp;tip</source>
        <translation>Trinkgeld a&amp;bfragen</translation>
    </message>
    <message>
        <source>Ask for given</source>
        <translation>Gegeben abfragen</translation>
    </message>
    <message>
        <source>Ask for signature</source>
        <translation>Unterschrift abfragen</translation>
    </message>
    <message>
        <source>Forbid given</source>
        <translation>Gegeben verbieten</translation>
    </message>
    <message>
        <source>Allow foreign return</source>
        <translation>Fremdwährungs-Rückgeld erlauben</translation>
    </message>
    <message>
        <source>Allow foreign payment</source>
        <translation>Fremdwährungszahlung erlauben</translation>
    </message>
    <message>
        <source>Given Multiplier</source>
        <translation>Gegeben-Multiplikator</translation>
    </message>
    <message>
        <source>Ask guest address</source>
        <translation>Gastadresse abfragen</translation>
    </message>
    <message>
        <source>Ask guest address from DB</source>
        <translation>Gastadresse aus der Datenbank abfragen</translation>
    </message>
    <message>
        <source>Amount exceeds</source>
        <translation>Betrag übersteigt</translation>
    </message>
    <message>
        <source>Ask for</source>
        <translation>Abfragen für</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Währung</translation>
    </message>
    <message>
        <source>&amp;Extern</source>
        <translation>&amp;Extern</translation>
    </message>
    <message>
        <source>Pay via hotel</source>
        <translation>Über Hotel zahlen</translation>
    </message>
    <message>
        <source>Select Hotel</source>
        <translation>Hotel wählen</translation>
    </message>
    <message>
        <source>Ignore Limit</source>
        <translation>Limit ignorieren</translation>
    </message>
    <message>
        <source>Ignore the account limit of the client</source>
        <translation>Das Kontolimit des Kunden ignorieren</translation>
    </message>
    <message>
        <source>Pay via clientdatabase</source>
        <translation>Über Kundendatenbank zahlen</translation>
    </message>
    <message>
        <source>Default Group Nr:</source>
        <translation>Standard-Gruppen-Nr.:</translation>
    </message>
    <message>
        <source>No group</source>
        <translation>Keine Gruppe</translation>
    </message>
    <message>
        <source>Using clientscreen_1.ini</source>
        <translation>Verwendet clientscreen_1.ini</translation>
    </message>
    <message>
        <source>Notify low account value</source>
        <translation>Bei niedrigem Kontostand warnen</translation>
    </message>
    <message>
        <source>Warning limit:</source>
        <translation>Warngrenze:</translation>
    </message>
    <message>
        <source>Notify message:</source>
        <translation>Warnmeldung:</translation>
    </message>
    <message>
        <source>Enter your notify message. Use {limit} to reference the warning limit.</source>
        <translation>Geben Sie Ihre Warnmeldung ein. {limit} steht für die Warngrenze.</translation>
    </message>
    <message>
        <source>Pay via ELPay</source>
        <translation>Über ELPay zahlen</translation>
    </message>
    <message>
        <source>Pinpad</source>
        <translation>PIN-Pad</translation>
    </message>
    <message>
        <source>External Account Assignment</source>
        <translation>Externe Kontenzuordnung</translation>
    </message>
    <message>
        <source>Positiv Account</source>
        <translation>Konto positiv</translation>
    </message>
    <message>
        <source>Negativ Account</source>
        <translation>Konto negativ</translation>
    </message>
    <message>
        <source>Positiv Difference</source>
        <translation>Differenz positiv</translation>
    </message>
    <message>
        <source>Negativ Difference</source>
        <translation>Differenz negativ</translation>
    </message>
    <message>
        <source>External module:</source>
        <translation>Externes Modul:</translation>
    </message>
    <message>
        <source>Mafis</source>
        <translation>Mafis</translation>
    </message>
    <message>
        <source>P&amp;art bills</source>
        <translation>&amp;Teilrechnungen</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Drucker</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Layout</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Hinzufügen...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Bearbeiten...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>Ent&amp;fernen</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>&amp;Bills</source>
        <translation>&amp;Rechnungen</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>KOST settings</source>
        <translation>KOST</translation>
    </message>
    <message>
        <source>KOST summary type:</source>
        <translation>KOST-Summenart:</translation>
    </message>
    <message>
        <source>Bonus system</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Bonus points allowed</source>
        <translation>Bonuspunkte erlaubt</translation>
    </message>
    <message>
        <source>Ask for points card</source>
        <translation>Punktekarte abfragen</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Preis</translation>
    </message>
    <message>
        <source>Minimum price</source>
        <translation>Mindestpreis</translation>
    </message>
    <message>
        <source>Maximum price</source>
        <translation>Höchstpreis</translation>
    </message>
    <message>
        <source>Ignore Credits</source>
        <translation>Gutschriften ignorieren</translation>
    </message>
    <message>
        <source>No bonus for department:</source>
        <translation>Kein Bonus für Warengruppe:</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Help about this dialog</source>
        <translation>Hilfe zu diesem Dialog</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Go to the first payform</source>
        <translation>Zur ersten Zahlungsart</translation>
    </message>
    <message>
        <source>Go to the previous payform</source>
        <translation>Zur vorigen Zahlungsart</translation>
    </message>
    <message>
        <source>Go to the next payform</source>
        <translation>Zur nächsten Zahlungsart</translation>
    </message>
    <message>
        <source>Go to the last payform</source>
        <translation>Zur letzten Zahlungsart</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TPeriodChooser</name>
    <message>
        <source>Select &amp;period...</source>
        <translation>&amp;Zeitraum wählen...</translation>
    </message>
    <message>
        <source>Choose the period of the views of past business</source>
        <translation>Den Zeitraum der Ansichten vergangener Geschäfte wählen</translation>
    </message>
    <message>
        <source>Period: %1 to %2</source>
        <translation>Zeitraum: %1 bis %2</translation>
    </message>
</context>
<context>
    <name>TPriceLevelDlgBase</name>
    <message>
        <source>Insert new pricelevel...</source>
        <translation>Neue Preisebene anlegen...</translation>
    </message>
    <message>
        <source>N&amp;umber:</source>
        <translation>N&amp;ummer:</translation>
    </message>
    <message>
        <source>The ID of the pricelevel</source>
        <translation>Die Nummer der Preisebene</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>The name of the pricelevel</source>
        <translation>Der Name der Preisebene</translation>
    </message>
    <message>
        <source>&amp;Start time:</source>
        <translation>&amp;Beginn:</translation>
    </message>
    <message>
        <source>The time of day the pricelevel starts</source>
        <translation>Die Tageszeit, zu der die Preisebene beginnt</translation>
    </message>
    <message>
        <source>HH:mm</source>
        <translation>HH:mm</translation>
    </message>
    <message>
        <source>&amp;End time:</source>
        <translation>&amp;Ende:</translation>
    </message>
    <message>
        <source>The time of day the pricelevel ends</source>
        <translation>Die Tageszeit, zu der die Preisebene endet</translation>
    </message>
    <message>
        <source>Forbid discounts</source>
        <translation>Rabatte verbieten</translation>
    </message>
    <message>
        <source>Active on</source>
        <translation>Aktiv am</translation>
    </message>
    <message>
        <source>&amp;Monday</source>
        <translation>&amp;Montag</translation>
    </message>
    <message>
        <source>&amp;Tuesday</source>
        <translation>&amp;Dienstag</translation>
    </message>
    <message>
        <source>&amp;Wednesday</source>
        <translation>Mitt&amp;woch</translation>
    </message>
    <message>
        <source>T&amp;hursday</source>
        <translation>D&amp;onnerstag</translation>
    </message>
    <message>
        <source>&amp;Friday</source>
        <translation>&amp;Freitag</translation>
    </message>
    <message>
        <source>S&amp;aturday</source>
        <translation>S&amp;amstag</translation>
    </message>
    <message>
        <source>Sun&amp;day</source>
        <translation>Sonn&amp;tag</translation>
    </message>
    <message>
        <source>Help about this dialog</source>
        <translation>Hilfe zu diesem Dialog</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Go to the first pricelevel</source>
        <translation>Zur ersten Preisebene</translation>
    </message>
    <message>
        <source>Go to the previous pricelevel</source>
        <translation>Zur vorigen Preisebene</translation>
    </message>
    <message>
        <source>Go to the next pricelevel</source>
        <translation>Zur nächsten Preisebene</translation>
    </message>
    <message>
        <source>Go to the last pricelevel</source>
        <translation>Zur letzten Preisebene</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TPrnPrintDlg</name>
    <message>
        <source>Printout</source>
        <translation>Druck</translation>
    </message>
    <message>
        <source>&amp;Printer:</source>
        <translation>&amp;Drucker:</translation>
    </message>
    <message>
        <source>&amp;Layout:</source>
        <translation>&amp;Layout:</translation>
    </message>
</context>
<context>
    <name>TReaderPanel</name>
    <message>
        <source>Card reader</source>
        <translation>Kartenleser</translation>
    </message>
    <message>
        <source>&amp;Put on reader</source>
        <translation>Auf den Leser &amp;legen</translation>
    </message>
    <message>
        <source>&amp;Take off</source>
        <translation>&amp;Wegnehmen</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Card:</source>
        <translation>Karte:</translation>
    </message>
    <message>
        <source>On the reader:</source>
        <translation>Auf dem Leser:</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>Server:</translation>
    </message>
    <message>
        <source>new blank card</source>
        <translation>neue leere Karte</translation>
    </message>
    <message>
        <source>blank card %1</source>
        <translation>leere Karte %1</translation>
    </message>
    <message>
        <source>card %1 (%2)</source>
        <translation>Karte %1 (%2)</translation>
    </message>
    <message>
        <source>no card</source>
        <translation>keine Karte</translation>
    </message>
    <message>
        <source>&amp;Edit card...</source>
        <translation>Karte &amp;bearbeiten...</translation>
    </message>
    <message>
        <source>Opens the card editor on the card on the reader</source>
        <translation>Öffnet den Karteneditor mit der Karte auf dem Leser</translation>
    </message>
</context>
<context>
    <name>TRecordDlgBase</name>
    <message>
        <source>Insert new record...</source>
        <translation>Neuen Datensatz anlegen...</translation>
    </message>
    <message>
        <source>N&amp;umber:</source>
        <translation>N&amp;ummer:</translation>
    </message>
    <message>
        <source>The ID of the record</source>
        <translation>Die Nummer des Datensatzes</translation>
    </message>
    <message>
        <source>Help about this dialog</source>
        <translation>Hilfe zu diesem Dialog</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Go to the first record</source>
        <translation>Zum ersten Datensatz</translation>
    </message>
    <message>
        <source>Go to the previous record</source>
        <translation>Zum vorigen Datensatz</translation>
    </message>
    <message>
        <source>Go to the next record</source>
        <translation>Zum nächsten Datensatz</translation>
    </message>
    <message>
        <source>Go to the last record</source>
        <translation>Zum letzten Datensatz</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TRecordViewDlg</name>
    <message>
        <source>%1: record %2</source>
        <translation>%1: Datensatz %2</translation>
    </message>
    <message>
        <source>Attribute</source>
        <translation>Attribut</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
</context>
<context>
    <name>TShiftDlgBase</name>
    <message>
        <source>Insert new shift...</source>
        <translation>Neue Schicht anlegen...</translation>
    </message>
    <message>
        <source>N&amp;umber:</source>
        <translation>Numme&amp;r:</translation>
    </message>
    <message>
        <source>The ID of the shift</source>
        <translation>Die Nummer der Schicht</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>The name of the shift</source>
        <translation>Der Name der Schicht</translation>
    </message>
    <message>
        <source>&amp;Shift group:</source>
        <translation>&amp;Schichtgruppe:</translation>
    </message>
    <message>
        <source>The shift group of the shift</source>
        <translation>Die Schichtgruppe der Schicht</translation>
    </message>
    <message>
        <source>Create a new shift group</source>
        <translation>Eine neue Schichtgruppe anlegen</translation>
    </message>
    <message>
        <source>Ne&amp;w...</source>
        <translation>Ne&amp;u...</translation>
    </message>
    <message>
        <source>&amp;Start time:</source>
        <translation>&amp;Beginn:</translation>
    </message>
    <message>
        <source>The time of day the shift starts</source>
        <translation>Die Tageszeit, zu der die Schicht beginnt</translation>
    </message>
    <message>
        <source>HH:mm</source>
        <translation>HH:mm</translation>
    </message>
    <message>
        <source>&amp;End time:</source>
        <translation>&amp;Ende:</translation>
    </message>
    <message>
        <source>The time of day the shift ends</source>
        <translation>Die Tageszeit, zu der die Schicht endet</translation>
    </message>
    <message>
        <source>Graceperiod:</source>
        <translation>Kulanzzeit:</translation>
    </message>
    <message>
        <source>Minutes a clocking may come late or early</source>
        <translation>Minuten, die eine Stempelung zu spät oder zu früh kommen darf</translation>
    </message>
    <message>
        <source> Minutes</source>
        <translation> Minuten</translation>
    </message>
    <message>
        <source>Active on</source>
        <translation>Aktiv am</translation>
    </message>
    <message>
        <source>&amp;Monday</source>
        <translation>&amp;Montag</translation>
    </message>
    <message>
        <source>&amp;Tuesday</source>
        <translation>&amp;Dienstag</translation>
    </message>
    <message>
        <source>&amp;Wednesday</source>
        <translation>Mitt&amp;woch</translation>
    </message>
    <message>
        <source>T&amp;hursday</source>
        <translation>D&amp;onnerstag</translation>
    </message>
    <message>
        <source>&amp;Friday</source>
        <translation>&amp;Freitag</translation>
    </message>
    <message>
        <source>S&amp;aturday</source>
        <translation>S&amp;amstag</translation>
    </message>
    <message>
        <source>Sun&amp;day</source>
        <translation>Sonn&amp;tag</translation>
    </message>
    <message>
        <source>Help about this dialog</source>
        <translation>Hilfe zu diesem Dialog</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Go to the first shift</source>
        <translation>Zur ersten Schicht</translation>
    </message>
    <message>
        <source>Go to the previous shift</source>
        <translation>Zur vorigen Schicht</translation>
    </message>
    <message>
        <source>Go to the next shift</source>
        <translation>Zur nächsten Schicht</translation>
    </message>
    <message>
        <source>Go to the last shift</source>
        <translation>Zur letzten Schicht</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TShiftGroupDlgBase</name>
    <message>
        <source>Insert new shift group...</source>
        <translation>Neue Schichtgruppe anlegen...</translation>
    </message>
    <message>
        <source>N&amp;umber:</source>
        <translation>N&amp;ummer:</translation>
    </message>
    <message>
        <source>The ID of the shift group</source>
        <translation>Die Nummer der Schichtgruppe</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>The name of the shift group</source>
        <translation>Der Name der Schichtgruppe</translation>
    </message>
    <message>
        <source>Help about this dialog</source>
        <translation>Hilfe zu diesem Dialog</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Go to the first shift group</source>
        <translation>Zur ersten Schichtgruppe</translation>
    </message>
    <message>
        <source>Go to the previous shift group</source>
        <translation>Zur vorigen Schichtgruppe</translation>
    </message>
    <message>
        <source>Go to the next shift group</source>
        <translation>Zur nächsten Schichtgruppe</translation>
    </message>
    <message>
        <source>Go to the last shift group</source>
        <translation>Zur letzten Schichtgruppe</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TSubventMapDlg</name>
    <message>
        <source>not specified</source>
        <translation>nicht angegeben</translation>
    </message>
    <message>
        <source>per day</source>
        <translation>pro Tag</translation>
    </message>
    <message>
        <source>per week</source>
        <translation>pro Woche</translation>
    </message>
    <message>
        <source>per month</source>
        <translation>pro Monat</translation>
    </message>
    <message>
        <source>per year</source>
        <translation>pro Jahr</translation>
    </message>
    <message>
        <source>Wrong Subvention</source>
        <translation>Falsche Subvention</translation>
    </message>
    <message>
        <source>There is no subvention selected or it does not exist.</source>
        <translation>Es ist keine Subvention gewählt, oder sie existiert nicht.</translation>
    </message>
</context>
<context>
    <name>TSubventMapDlgBase</name>
    <message>
        <source>Insert new subvent mapping</source>
        <translation>Neue Subventionszuordnung anlegen</translation>
    </message>
    <message>
        <source>Card ID:</source>
        <translation>Karten-Nr.:</translation>
    </message>
    <message>
        <source>The ID of this subvent mapping</source>
        <translation>Die Nummer dieser Subventionszuordnung</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>The name of this subvent mapping</source>
        <translation>Der Name dieser Subventionszuordnung</translation>
    </message>
    <message>
        <source>Subvent ID:</source>
        <translation>Subventions-Nr.:</translation>
    </message>
    <message>
        <source>The office subvention ID</source>
        <translation>Die Subventionsnummer der Verwaltung</translation>
    </message>
    <message>
        <source>Subvent period:</source>
        <translation>Subventionszeitraum:</translation>
    </message>
    <message>
        <source>How often the subvention may be used: per day, week, month or year</source>
        <translation>Wie oft die Subvention genutzt werden darf: pro Tag, Woche, Monat oder Jahr</translation>
    </message>
    <message>
        <source>Max count:</source>
        <translation>Höchstanzahl:</translation>
    </message>
    <message>
        <source>How many times the subvention may be used per period</source>
        <translation>Wie oft die Subvention pro Zeitraum genutzt werden darf</translation>
    </message>
    <message>
        <source>Payform ID:</source>
        <translation>Zahlungsart-Nr.:</translation>
    </message>
    <message>
        <source>The payment form the subvention is granted through</source>
        <translation>Die Zahlungsart, über die die Subvention gewährt wird</translation>
    </message>
    <message>
        <source>Payform name:</source>
        <translation>Zahlungsart-Name:</translation>
    </message>
    <message>
        <source>The name of the payment form</source>
        <translation>Der Name der Zahlungsart</translation>
    </message>
    <message>
        <source>Help about this dialog</source>
        <translation>Hilfe zu diesem Dialog</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Go to the first subvent mapping</source>
        <translation>Zur ersten Subventionszuordnung</translation>
    </message>
    <message>
        <source>Go to the previous subvent mapping</source>
        <translation>Zur vorigen Subventionszuordnung</translation>
    </message>
    <message>
        <source>Go to the next subvent mapping</source>
        <translation>Zur nächsten Subventionszuordnung</translation>
    </message>
    <message>
        <source>Go to the last subvent mapping</source>
        <translation>Zur letzten Subventionszuordnung</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TTableCfgDlg</name>
    <message>
        <source>Not specified</source>
        <translation>Nicht angegeben</translation>
    </message>
    <message>
        <source>No, forbid payment</source>
        <translation>Nein, Zahlung verbieten</translation>
    </message>
    <message>
        <source>None specified</source>
        <translation>Keine Angabe</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
</context>
<context>
    <name>TTableCfgDlgBase</name>
    <message>
        <source>Insert new table configuration...</source>
        <translation>Neue Tischkonfiguration anlegen...</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>&amp;Allgemein</translation>
    </message>
    <message>
        <source>N&amp;umber:</source>
        <translation>N&amp;ummer:</translation>
    </message>
    <message>
        <source>The ID of the table</source>
        <translation>Die Nummer des Tisches</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Name</translation>
    </message>
    <message>
        <source>The name of the table</source>
        <translation>Der Name des Tisches</translation>
    </message>
    <message>
        <source>Co&amp;st center:</source>
        <translation>Ko&amp;stenstelle:</translation>
    </message>
    <message>
        <source>Force a cost center for the table</source>
        <translation>Eine Kostenstelle für den Tisch erzwingen</translation>
    </message>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>Create a new cost center</source>
        <translation>Eine neue Kostenstelle anlegen</translation>
    </message>
    <message>
        <source>&amp;Waiter</source>
        <translation>&amp;Kellner</translation>
    </message>
    <message>
        <source>Force a waiter for the table</source>
        <translation>Einen Kellner für den Tisch erzwingen</translation>
    </message>
    <message>
        <source>&amp;Currency</source>
        <translation>&amp;Währung</translation>
    </message>
    <message>
        <source>Force a currency for the table</source>
        <translation>Eine Währung für den Tisch erzwingen</translation>
    </message>
    <message>
        <source>Create a new currency</source>
        <translation>Eine neue Währung anlegen</translation>
    </message>
    <message>
        <source>Pricing method:</source>
        <translation>Preisfindung:</translation>
    </message>
    <message>
        <source>Force a pricing method for the table</source>
        <translation>Eine Preisfindung für den Tisch erzwingen</translation>
    </message>
    <message>
        <source>Menu card:</source>
        <translation>Speisekarte:</translation>
    </message>
    <message>
        <source>Force a menu card for the table</source>
        <translation>Eine Speisekarte für den Tisch erzwingen</translation>
    </message>
    <message>
        <source>Create a new menu card</source>
        <translation>Eine neue Speisekarte anlegen</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>Besch&amp;reibung:</translation>
    </message>
    <message>
        <source>A description of the table</source>
        <translation>Eine Beschreibung des Tisches</translation>
    </message>
    <message>
        <source>Ordercard:</source>
        <translation>Bestellkarte:</translation>
    </message>
    <message>
        <source>The order card of the table; a card put on a card reader fills it in</source>
        <translation>Die Bestellkarte des Tisches; eine Karte auf einem Kartenleser füllt sie aus</translation>
    </message>
    <message>
        <source>Rerservationnumber :</source>
        <translation>Reservierungsnummer:</translation>
    </message>
    <message>
        <source>The hotel reservation the table books to</source>
        <translation>Die Hotelreservierung, auf die der Tisch bucht</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Event Number:</source>
        <translation>Veranstaltungsnummer:</translation>
    </message>
    <message>
        <source>The event the table belongs to</source>
        <translation>Die Veranstaltung, zu der der Tisch gehört</translation>
    </message>
    <message>
        <source>Flags</source>
        <translation>Merkmale</translation>
    </message>
    <message>
        <source>Show articles as ordered</source>
        <translation>Artikel wie bestellt zeigen</translation>
    </message>
    <message>
        <source>Co&amp;mpress table</source>
        <translation>Tisch ver&amp;dichten</translation>
    </message>
    <message>
        <source>allow Discounts</source>
        <translation>Rabatte erlauben</translation>
    </message>
    <message>
        <source>Allows the table to discount</source>
        <translation>Erlaubt dem Tisch Rabatte</translation>
    </message>
    <message>
        <source>&amp;Order</source>
        <translation>&amp;Bestellung</translation>
    </message>
    <message>
        <source>Creation article:</source>
        <translation>Anlage-Artikel:</translation>
    </message>
    <message>
        <source>The article booked when the table is created</source>
        <translation>Der Artikel, der beim Anlegen des Tisches gebucht wird</translation>
    </message>
    <message>
        <source>Pricelevel:</source>
        <translation>Preisebene:</translation>
    </message>
    <message>
        <source>Force a price level for the table</source>
        <translation>Eine Preisebene für den Tisch erzwingen</translation>
    </message>
    <message>
        <source>Create a new price level</source>
        <translation>Eine neue Preisebene anlegen</translation>
    </message>
    <message>
        <source>Order flags</source>
        <translation>Bestellmerkmale</translation>
    </message>
    <message>
        <source>Ask for table client</source>
        <translation>Tischkunden abfragen</translation>
    </message>
    <message>
        <source>Ask for a client stored in the client&apos;s database</source>
        <translation>Einen in der Kundendatenbank gespeicherten Kunden abfragen</translation>
    </message>
    <message>
        <source>Ask for guest count for 1st order</source>
        <translation>Gästeanzahl bei der 1. Bestellung abfragen</translation>
    </message>
    <message>
        <source>Ask for Seat</source>
        <translation>Platz abfragen</translation>
    </message>
    <message>
        <source>Don&apos;t ask</source>
        <translation>Nicht abfragen</translation>
    </message>
    <message>
        <source>for every order</source>
        <translation>bei jeder Bestellung</translation>
    </message>
    <message>
        <source>for every round</source>
        <translation>bei jeder Runde</translation>
    </message>
    <message>
        <source>&amp;Payment</source>
        <translation>&amp;Zahlung</translation>
    </message>
    <message>
        <source>M&amp;in. amount:</source>
        <translation>M&amp;indestbetrag:</translation>
    </message>
    <message>
        <source>Minimum amount to be paid on the table</source>
        <translation>Mindestbetrag, der am Tisch bezahlt werden muss</translation>
    </message>
    <message>
        <source>Ma&amp;x. amount:</source>
        <translation>Hö&amp;chstbetrag:</translation>
    </message>
    <message>
        <source>Maximum amount to be paid on the table</source>
        <translation>Höchstbetrag, der am Tisch bezahlt werden darf</translation>
    </message>
    <message>
        <source>Minimum counts per guest</source>
        <translation>Mindestwerte pro Gast</translation>
    </message>
    <message>
        <source>Order if less:</source>
        <translation>Bestellen, wenn weniger:</translation>
    </message>
    <message>
        <source>The article ordered when less than the minimum amount is paid</source>
        <translation>Der Artikel, der bestellt wird, wenn weniger als der Mindestbetrag bezahlt wird</translation>
    </message>
    <message>
        <source>Order if more:</source>
        <translation>Bestellen, wenn mehr:</translation>
    </message>
    <message>
        <source>The article ordered when more than the maximum amount is paid</source>
        <translation>Der Artikel, der bestellt wird, wenn mehr als der Höchstbetrag bezahlt wird</translation>
    </message>
    <message>
        <source>P&amp;ayform</source>
        <translation>Za&amp;hlungsart</translation>
    </message>
    <message>
        <source>Force a payform for the table</source>
        <translation>Eine Zahlungsart für den Tisch erzwingen</translation>
    </message>
    <message>
        <source>Create a new payform</source>
        <translation>Eine neue Zahlungsart anlegen</translation>
    </message>
    <message>
        <source>External module:</source>
        <translation>Externes Modul:</translation>
    </message>
    <message>
        <source>The external module that takes the payment</source>
        <translation>Das externe Modul, das die Zahlung übernimmt</translation>
    </message>
    <message>
        <source>VAT rate</source>
        <translation>MwSt.-Satz</translation>
    </message>
    <message>
        <source>Ask</source>
        <translation>Abfragen</translation>
    </message>
    <message>
        <source>In house</source>
        <translation>Im Haus</translation>
    </message>
    <message>
        <source>Out of house</source>
        <translation>Außer Haus</translation>
    </message>
    <message>
        <source>Behavior</source>
        <translation>Verhalten</translation>
    </message>
    <message>
        <source>&amp;Open drawer</source>
        <translation>Lade &amp;öffnen</translation>
    </message>
    <message>
        <source>&amp;Drawer constraint</source>
        <translation>La&amp;dezwang</translation>
    </message>
    <message>
        <source>&amp;Activate cash changer</source>
        <translation>&amp;Wechselgeldautomat aktivieren</translation>
    </message>
    <message>
        <source>Ask G&amp;uest count</source>
        <translation>&amp;Gästeanzahl abfragen</translation>
    </message>
    <message>
        <source>Ask for &amp;tip</source>
        <translation>&amp;Trinkgeld abfragen</translation>
    </message>
    <message>
        <source>Ask for given</source>
        <translation>Gegeben abfragen</translation>
    </message>
    <message>
        <source>Print &amp;bill</source>
        <translation>&amp;Rechnung drucken</translation>
    </message>
    <message>
        <source>Always Print Bill</source>
        <translation>Rechnung immer drucken</translation>
    </message>
    <message>
        <source>Ask Guest address</source>
        <translation>Gastadresse abfragen</translation>
    </message>
    <message>
        <source>Ask guest address from DB</source>
        <translation>Gastadresse aus der Datenbank abfragen</translation>
    </message>
    <message>
        <source>Amount exceeds</source>
        <translation>Betrag übersteigt</translation>
    </message>
    <message>
        <source>Ask the guest address only above this amount</source>
        <translation>Die Gastadresse erst über diesem Betrag abfragen</translation>
    </message>
    <message>
        <source>Help about this dialog</source>
        <translation>Hilfe zu diesem Dialog</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Go to the first table configuration</source>
        <translation>Zur ersten Tischkonfiguration</translation>
    </message>
    <message>
        <source>Go to the previous table configuration</source>
        <translation>Zur vorigen Tischkonfiguration</translation>
    </message>
    <message>
        <source>Go to the next table configuration</source>
        <translation>Zur nächsten Tischkonfiguration</translation>
    </message>
    <message>
        <source>Go to the last table configuration</source>
        <translation>Zur letzten Tischkonfiguration</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TTaxGroupDlgBase</name>
    <message>
        <source>Insert new tax group...</source>
        <translation>Neue Steuergruppe anlegen...</translation>
    </message>
    <message>
        <source>N&amp;umber:</source>
        <translation>N&amp;ummer:</translation>
    </message>
    <message>
        <source>The ID of the tax group</source>
        <translation>Die Nummer der Steuergruppe</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>The name of the tax group</source>
        <translation>Der Name der Steuergruppe</translation>
    </message>
    <message>
        <source>VAT rates</source>
        <translation>MwSt.-Sätze</translation>
    </message>
    <message>
        <source>VAT &amp;rate:</source>
        <translation>MwSt.-&amp;Satz:</translation>
    </message>
    <message>
        <source>The VAT rate to add</source>
        <translation>Der hinzuzufügende MwSt.-Satz</translation>
    </message>
    <message>
        <source>Ne&amp;w...</source>
        <translation>N&amp;eu...</translation>
    </message>
    <message>
        <source>Create a new VAT rate</source>
        <translation>Einen neuen MwSt.-Satz anlegen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Add the chosen VAT rate to the tax group</source>
        <translation>Den gewählten MwSt.-Satz zur Steuergruppe hinzufügen</translation>
    </message>
    <message>
        <source>The VAT rates of the tax group, in their order</source>
        <translation>Die MwSt.-Sätze der Steuergruppe, in ihrer Reihenfolge</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Satz</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Entf.</translation>
    </message>
    <message>
        <source>Remove the selected VAT rate from the tax group</source>
        <translation>Den gewählten MwSt.-Satz aus der Steuergruppe entfernen</translation>
    </message>
    <message>
        <source>Move the selected VAT rate up</source>
        <translation>Den gewählten MwSt.-Satz nach oben</translation>
    </message>
    <message>
        <source>Move the selected VAT rate down</source>
        <translation>Den gewählten MwSt.-Satz nach unten</translation>
    </message>
    <message>
        <source>Help about this dialog</source>
        <translation>Hilfe zu diesem Dialog</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Go to the first tax group</source>
        <translation>Zur ersten Steuergruppe</translation>
    </message>
    <message>
        <source>Go to the previous tax group</source>
        <translation>Zur vorigen Steuergruppe</translation>
    </message>
    <message>
        <source>Go to the next tax group</source>
        <translation>Zur nächsten Steuergruppe</translation>
    </message>
    <message>
        <source>Go to the last tax group</source>
        <translation>Zur letzten Steuergruppe</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TTemplateActionDlg</name>
    <message>
        <source>ID</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Spezification</source>
        <translation>Angabe</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Edit card action</source>
        <translation>Kartenaktion bearbeiten</translation>
    </message>
</context>
<context>
    <name>TVatRateDlg</name>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Comma not allowed in name</source>
        <translation>Komma im Namen nicht erlaubt</translation>
    </message>
</context>
<context>
    <name>TVatRateDlgBase</name>
    <message>
        <source>Insert new VAT rate...</source>
        <translation>Neuen MwSt.-Satz anlegen...</translation>
    </message>
    <message>
        <source>N&amp;umber:</source>
        <translation>N&amp;ummer:</translation>
    </message>
    <message>
        <source>The ID of the VAT rate</source>
        <translation>Die Nummer des MwSt.-Satzes</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>The name of the VAT rate</source>
        <translation>Der Name des MwSt.-Satzes</translation>
    </message>
    <message>
        <source>&amp;Shortname:</source>
        <translation>&amp;Kurzname:</translation>
    </message>
    <message>
        <source>The shortname of the VAT rate</source>
        <translation>Der Kurzname des MwSt.-Satzes</translation>
    </message>
    <message>
        <source>&amp;Rate:</source>
        <translation>&amp;Satz:</translation>
    </message>
    <message>
        <source>The rate of the VAT rate</source>
        <translation>Der Satz des MwSt.-Satzes</translation>
    </message>
    <message>
        <source>RKS Assignment:</source>
        <translation>RKS-Zuordnung:</translation>
    </message>
    <message>
        <source>The tax rate of the cash register security regulation</source>
        <translation>Der Steuersatz nach der Registrierkassen-Sicherheitsverordnung</translation>
    </message>
    <message>
        <source>Null</source>
        <translation>Null</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Ermässigt 1</source>
        <translation>Ermässigt 1</translation>
    </message>
    <message>
        <source>Ermässigt 2</source>
        <translation>Ermässigt 2</translation>
    </message>
    <message>
        <source>Besonders</source>
        <translation>Besonders</translation>
    </message>
    <message>
        <source>Fiscal Assignment:</source>
        <translation>Fiskal-Zuordnung:</translation>
    </message>
    <message>
        <source>The tax sign the fiscal device knows this rate by</source>
        <translation>Das Steuerkennzeichen, unter dem das Fiskalgerät diesen Satz kennt</translation>
    </message>
    <message>
        <source>Type of VAT rate</source>
        <translation>Art des MwSt.-Satzes</translation>
    </message>
    <message>
        <source>Calculate from &amp;brutto</source>
        <translation>Vom &amp;Brutto berechnen</translation>
    </message>
    <message>
        <source>Calculate from &amp;netto</source>
        <translation>Vom N&amp;etto berechnen</translation>
    </message>
    <message>
        <source>Is a fix &amp;amount</source>
        <translation>Ist ein &amp;fester Betrag</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>&amp;Allgemein</translation>
    </message>
    <message>
        <source>Calculate from price including discounts</source>
        <translation>Vom Preis einschließlich Rabatten berechnen</translation>
    </message>
    <message>
        <source>This is a takeaway tax per client</source>
        <translation>Dies ist eine Außer-Haus-Steuer pro Kunde</translation>
    </message>
    <message>
        <source>This is a in house tax per client</source>
        <translation>Dies ist eine Im-Haus-Steuer pro Kunde</translation>
    </message>
    <message>
        <source>C&amp;omposed of</source>
        <translation>&amp;Zusammengesetzt aus</translation>
    </message>
    <message>
        <source>The VAT rates this rate is made of</source>
        <translation>Die MwSt.-Sätze, aus denen dieser Satz besteht</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Satz</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Help about this dialog</source>
        <translation>Hilfe zu diesem Dialog</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Go to the first VAT rate</source>
        <translation>Zum ersten MwSt.-Satz</translation>
    </message>
    <message>
        <source>Go to the previous VAT rate</source>
        <translation>Zum vorigen MwSt.-Satz</translation>
    </message>
    <message>
        <source>Go to the next VAT rate</source>
        <translation>Zum nächsten MwSt.-Satz</translation>
    </message>
    <message>
        <source>Go to the last VAT rate</source>
        <translation>Zum letzten MwSt.-Satz</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TextModuleDlg</name>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Textmodule is empty.</source>
        <translation>Der Textbaustein ist leer.</translation>
    </message>
</context>
<context>
    <name>TextModuleDlgBase</name>
    <message>
        <source>Insert new textmodule...</source>
        <translation>Neuen Textbaustein anlegen...</translation>
    </message>
    <message>
        <source>N&amp;umber:</source>
        <translation>N&amp;ummer:</translation>
    </message>
    <message>
        <source>The ID of the text module</source>
        <translation>Die Nummer des Textbausteins</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>The name of the text module</source>
        <translation>Der Name des Textbausteins</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>&amp;Text:</translation>
    </message>
    <message>
        <source>The lines of the text module, as the point of sale offers them</source>
        <translation>Die Zeilen des Textbausteins, wie die Kasse sie anbietet</translation>
    </message>
    <message>
        <source>Help about this dialog</source>
        <translation>Hilfe zu diesem Dialog</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Go to the first text module</source>
        <translation>Zum ersten Textbaustein</translation>
    </message>
    <message>
        <source>Go to the previous text module</source>
        <translation>Zum vorigen Textbaustein</translation>
    </message>
    <message>
        <source>Go to the next text module</source>
        <translation>Zum nächsten Textbaustein</translation>
    </message>
    <message>
        <source>Go to the last text module</source>
        <translation>Zum letzten Textbaustein</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TextModulesGroupDlgBase</name>
    <message>
        <source>Insert new textmodules group...</source>
        <translation>Neue Textbausteingruppe anlegen...</translation>
    </message>
    <message>
        <source>N&amp;umber:</source>
        <translation>N&amp;ummer:</translation>
    </message>
    <message>
        <source>The ID of the text module group</source>
        <translation>Die Nummer der Textbausteingruppe</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>The name of the text module group</source>
        <translation>Der Name der Textbausteingruppe</translation>
    </message>
    <message>
        <source>Su&amp;ggestions:</source>
        <translation>&amp;Vorschläge:</translation>
    </message>
    <message>
        <source>Names often given to groups: choose one to take it as the name</source>
        <translation>Häufige Gruppennamen: einen wählen, um ihn als Namen zu übernehmen</translation>
    </message>
    <message>
        <source>Add the name to the suggestions</source>
        <translation>Den Namen zu den Vorschlägen hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>Remove the shown suggestion</source>
        <translation>Den gezeigten Vorschlag entfernen</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Textmodules of group</source>
        <translation>Textbausteine der Gruppe</translation>
    </message>
    <message>
        <source>Return edits the prio of a row; a double click removes it from the group</source>
        <translation>Return bearbeitet die Priorität einer Zeile; ein Doppelklick entfernt sie aus der Gruppe</translation>
    </message>
    <message>
        <source>Nr</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Prio</source>
        <translation>Prio</translation>
    </message>
    <message>
        <source>Add all modules to the group</source>
        <translation>Alle Bausteine zur Gruppe hinzufügen</translation>
    </message>
    <message>
        <source>&lt;&lt;</source>
        <translation>&lt;&lt;</translation>
    </message>
    <message>
        <source>Add the selected  modules to the group</source>
        <translation>Die gewählten Bausteine zur Gruppe hinzufügen</translation>
    </message>
    <message>
        <source>&lt;</source>
        <translation>&lt;</translation>
    </message>
    <message>
        <source>Remove the selected modules from the group</source>
        <translation>Die gewählten Bausteine aus der Gruppe entfernen</translation>
    </message>
    <message>
        <source>&gt;</source>
        <translation>&gt;</translation>
    </message>
    <message>
        <source>Remove all modules from the group</source>
        <translation>Alle Bausteine aus der Gruppe entfernen</translation>
    </message>
    <message>
        <source>&gt;&gt;</source>
        <translation>&gt;&gt;</translation>
    </message>
    <message>
        <source>Restore original modules of the group</source>
        <translation>Die ursprünglichen Bausteine der Gruppe wiederherstellen</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Available Textmodules</source>
        <translation>Verfügbare Textbausteine</translation>
    </message>
    <message>
        <source>A double click adds a row to the group</source>
        <translation>Ein Doppelklick fügt eine Zeile zur Gruppe hinzu</translation>
    </message>
    <message>
        <source>Module</source>
        <translation>Baustein</translation>
    </message>
    <message>
        <source>Help about this dialog</source>
        <translation>Hilfe zu diesem Dialog</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Go to the first text module group</source>
        <translation>Zur ersten Textbausteingruppe</translation>
    </message>
    <message>
        <source>Go to the previous text module group</source>
        <translation>Zur vorigen Textbausteingruppe</translation>
    </message>
    <message>
        <source>Go to the next text module group</source>
        <translation>Zur nächsten Textbausteingruppe</translation>
    </message>
    <message>
        <source>Go to the last text module group</source>
        <translation>Zur letzten Textbausteingruppe</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>WorkmodelDialogBase</name>
    <message>
        <source>Insert new workmodel</source>
        <translation>Neues Arbeitszeitmodell anlegen</translation>
    </message>
    <message>
        <source>N&amp;umber:</source>
        <translation>N&amp;ummer:</translation>
    </message>
    <message>
        <source>The ID of the work model</source>
        <translation>Die Nummer des Arbeitszeitmodells</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>The name of the work model</source>
        <translation>Der Name des Arbeitszeitmodells</translation>
    </message>
    <message>
        <source>Graceperiod:</source>
        <translation>Kulanzzeit:</translation>
    </message>
    <message>
        <source>Minutes a clocking may come late</source>
        <translation>Minuten, die eine Stempelung zu spät kommen darf</translation>
    </message>
    <message>
        <source> Minutes</source>
        <translation> Minuten</translation>
    </message>
    <message>
        <source>Working days</source>
        <translation>Arbeitstage</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Work begins at a set time on Mondays</source>
        <translation>Die Arbeit beginnt montags zu einer festen Zeit</translation>
    </message>
    <message>
        <source>The time work begins on Mondays</source>
        <translation>Die Zeit, zu der die Arbeit montags beginnt</translation>
    </message>
    <message>
        <source>HH:mm</source>
        <translation>HH:mm</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>Work begins at a set time on Tuesdays</source>
        <translation>Die Arbeit beginnt dienstags zu einer festen Zeit</translation>
    </message>
    <message>
        <source>The time work begins on Tuesdays</source>
        <translation>Die Zeit, zu der die Arbeit dienstags beginnt</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>Work begins at a set time on Wednesdays</source>
        <translation>Die Arbeit beginnt mittwochs zu einer festen Zeit</translation>
    </message>
    <message>
        <source>The time work begins on Wednesdays</source>
        <translation>Die Zeit, zu der die Arbeit mittwochs beginnt</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>Work begins at a set time on Thursdays</source>
        <translation>Die Arbeit beginnt donnerstags zu einer festen Zeit</translation>
    </message>
    <message>
        <source>The time work begins on Thursdays</source>
        <translation>Die Zeit, zu der die Arbeit donnerstags beginnt</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>Work begins at a set time on Fridays</source>
        <translation>Die Arbeit beginnt freitags zu einer festen Zeit</translation>
    </message>
    <message>
        <source>The time work begins on Fridays</source>
        <translation>Die Zeit, zu der die Arbeit freitags beginnt</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>Work begins at a set time on Saturdays</source>
        <translation>Die Arbeit beginnt samstags zu einer festen Zeit</translation>
    </message>
    <message>
        <source>The time work begins on Saturdays</source>
        <translation>Die Zeit, zu der die Arbeit samstags beginnt</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>Work begins at a set time on Sundays</source>
        <translation>Die Arbeit beginnt sonntags zu einer festen Zeit</translation>
    </message>
    <message>
        <source>The time work begins on Sundays</source>
        <translation>Die Zeit, zu der die Arbeit sonntags beginnt</translation>
    </message>
    <message>
        <source>Help about this dialog</source>
        <translation>Hilfe zu diesem Dialog</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Go to the first work model</source>
        <translation>Zum ersten Arbeitszeitmodell</translation>
    </message>
    <message>
        <source>Go to the previous work model</source>
        <translation>Zum vorigen Arbeitszeitmodell</translation>
    </message>
    <message>
        <source>Go to the next work model</source>
        <translation>Zum nächsten Arbeitszeitmodell</translation>
    </message>
    <message>
        <source>Go to the last work model</source>
        <translation>Zum letzten Arbeitszeitmodell</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>backup</name>
    <message>
        <source>the archive ends in the middle of a file</source>
        <translation>das Archiv endet mitten in einer Datei</translation>
    </message>
    <message>
        <source>the archive ends without its end marker</source>
        <translation>das Archiv endet ohne seine Endmarke</translation>
    </message>
    <message>
        <source>a file header of the archive is damaged</source>
        <translation>ein Dateikopf des Archivs ist beschädigt</translation>
    </message>
    <message>
        <source>the archive is not in the tar (ustar) format</source>
        <translation>das Archiv ist nicht im tar-Format (ustar)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no regular file (a link, a folder or a device)</source>
        <translation>&quot;%1&quot; ist keine gewöhnliche Datei (ein Verweis, ein Ordner oder ein Gerät)</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; leads out of the data root</source>
        <translation>der Name &quot;%1&quot; führt aus dem Datenverzeichnis hinaus</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is larger than %2 bytes</source>
        <translation>&quot;%1&quot; ist größer als %2 Bytes</translation>
    </message>
    <message>
        <source>%1 does not load completely; it is archived as it is</source>
        <translation>%1 lässt sich nicht vollständig laden; sie wird so archiviert, wie sie ist</translation>
    </message>
    <message>
        <source>%1: the database cannot be copied (%2)</source>
        <translation>%1: die Datenbank kann nicht kopiert werden (%2)</translation>
    </message>
    <message>
        <source>%1 is a link and is not archived</source>
        <translation>%1 ist ein Verweis und wird nicht archiviert</translation>
    </message>
    <message>
        <source>%1 is no regular file and is not archived</source>
        <translation>%1 ist keine gewöhnliche Datei und wird nicht archiviert</translation>
    </message>
    <message>
        <source>the data root holds more than %1 files</source>
        <translation>das Datenverzeichnis enthält mehr als %1 Dateien</translation>
    </message>
    <message>
        <source>the archive cannot be opened (%1)</source>
        <translation>das Archiv kann nicht geöffnet werden (%1)</translation>
    </message>
    <message>
        <source>the archive goes on after its manifest</source>
        <translation>das Archiv geht nach seinem Inhaltsverzeichnis weiter</translation>
    </message>
    <message>
        <source>the manifest is larger than %1 bytes</source>
        <translation>das Inhaltsverzeichnis ist größer als %1 Bytes</translation>
    </message>
    <message>
        <source>the archive holds &quot;%1&quot;, which no backup writes</source>
        <translation>das Archiv enthält &quot;%1&quot;, was keine Sicherung schreibt</translation>
    </message>
    <message>
        <source>the archive holds more than %1 files</source>
        <translation>das Archiv enthält mehr als %1 Dateien</translation>
    </message>
    <message>
        <source>%1 cannot be unpacked (%2)</source>
        <translation>%1 kann nicht entpackt werden (%2)</translation>
    </message>
    <message>
        <source>the archive has no manifest</source>
        <translation>das Archiv hat kein Inhaltsverzeichnis</translation>
    </message>
    <message>
        <source>the manifest is damaged or of another format</source>
        <translation>das Inhaltsverzeichnis ist beschädigt oder hat ein anderes Format</translation>
    </message>
    <message>
        <source>the manifest lists %1 files, the archive holds %2</source>
        <translation>das Inhaltsverzeichnis nennt %1 Dateien, das Archiv enthält %2</translation>
    </message>
    <message>
        <source>%1 is in the manifest but not in the archive</source>
        <translation>%1 steht im Inhaltsverzeichnis, aber nicht im Archiv</translation>
    </message>
    <message>
        <source>%1 is damaged: its size or checksum differs from the manifest</source>
        <translation>%1 ist beschädigt: Größe oder Prüfsumme weichen vom Inhaltsverzeichnis ab</translation>
    </message>
    <message>
        <source>the list %1 does not load completely</source>
        <translation>die Liste %1 lässt sich nicht vollständig laden</translation>
    </message>
    <message>
        <source>the database %1 is damaged (%2)</source>
        <translation>die Datenbank %1 ist beschädigt (%2)</translation>
    </message>
    <message>
        <source>The archive does not hold the server database &quot;%1&quot;: restore it with the server&apos;s own tools (pg_restore).</source>
        <translation>Das Archiv enthält die Server-Datenbank &quot;%1&quot; nicht: stellen Sie sie mit den Werkzeugen des Servers wieder her (pg_restore).</translation>
    </message>
    <message>
        <source>the data root %1 is no folder</source>
        <translation>das Datenverzeichnis %1 ist kein Ordner</translation>
    </message>
    <message>
        <source>no scratch folder beside the archive (%1)</source>
        <translation>kein Arbeitsordner neben dem Archiv (%1)</translation>
    </message>
    <message>
        <source>%1 cannot be read completely or its name is too long</source>
        <translation>%1 kann nicht vollständig gelesen werden, oder ihr Name ist zu lang</translation>
    </message>
    <message>
        <source>The database is the server data source &quot;%1&quot; and is NOT in this archive: back it up with the server&apos;s own tool (pg_dump).</source>
        <translation>Die Datenbank ist die Server-Datenquelle &quot;%1&quot; und ist NICHT in diesem Archiv: sichern Sie sie mit dem Werkzeug des Servers (pg_dump).</translation>
    </message>
    <message>
        <source>%1 cannot be replaced as a whole</source>
        <translation>%1 kann nicht als Ganzes ersetzt werden</translation>
    </message>
    <message>
        <source>the folder %1 cannot be created</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>%1 cannot be moved aside; nothing was replaced</source>
        <translation>%1 kann nicht beiseitegelegt werden; nichts wurde ersetzt</translation>
    </message>
    <message>
        <source>the restored folder cannot be put in place of %1</source>
        <translation>der wiederhergestellte Ordner kann nicht an die Stelle von %1 treten</translation>
    </message>
    <message>
        <source>%1 is larger than %2 bytes</source>
        <translation>%1 ist größer als %2 Bytes</translation>
    </message>
</context>
<context>
    <name>lumcardd</name>
    <message>
        <source>The card server of the back office and the tills.

Commands:
  serve            answer the card readers of the terminals (the default)
  put [UID]        put a card on a reader; without a UID a new blank card (prints its UID)
  take             take the card off a reader
  cards            list the cards: UID, card number (empty for a blank card), client
  fail CODE        let the next card operation of a reader fail with an error code (-2 ...)
  book             carry out the due actions of the card on a reader, as a till does
  adduser NAME     add a user who may format cards, or give one a new password
                   (read from standard input)
  demo             write the demo data unless the database holds data

The database is var/lumcardd/cards.sqlite below the data folder. The client commands
(put, take, cards, fail, book) reach the server at --host and --port; without --port
at the port the server of the data folder listens on.
Exit status: 0 on success, 1 on failure, 2 on wrong usage; serve ends on SIGINT or
SIGTERM.</source>
        <translation>Der Kartenserver der Verwaltung und der Kassen.

Befehle:
  serve            die Kartenleser der Terminals bedienen (die Vorgabe)
  put [UID]        eine Karte auf einen Leser legen; ohne UID eine neue leere Karte (gibt ihre UID aus)
  take             die Karte von einem Leser nehmen
  cards            die Karten aufführen: UID, Kartennummer (leer bei einer leeren Karte), Kunde
  fail CODE        die nächste Kartenoperation eines Lesers mit einem Fehlercode scheitern lassen (-2 ...)
  book             die fälligen Aktionen der Karte auf einem Leser ausführen, wie eine Kasse es tut
  adduser NAME     einen Benutzer hinzufügen, der Karten formatieren darf, oder einem ein neues Passwort geben
                   (von der Standardeingabe gelesen)
  demo             die Demodaten schreiben, wenn die Datenbank keine Daten enthält

Die Datenbank ist var/lumcardd/cards.sqlite unterhalb des Datenordners. Die Client-Befehle
(put, take, cards, fail, book) erreichen den Server über --host und --port; ohne --port
über den Port, auf dem der Server des Datenordners lauscht.
Rückgabewert: 0 bei Erfolg, 1 bei Fehlern, 2 bei falscher Verwendung; serve endet bei SIGINT oder
SIGTERM.</translation>
    </message>
    <message>
        <source>Password: </source>
        <translation>Passwort: </translation>
    </message>
    <message>
        <source>%1 is no address to listen on</source>
        <translation>%1 ist keine Adresse zum Lauschen</translation>
    </message>
    <message>
        <source>cannot listen on %1 port %2: %3</source>
        <translation>kann nicht auf %1 Port %2 lauschen: %3</translation>
    </message>
    <message>
        <source>listening on %1 port %2</source>
        <translation>lauscht auf %1 Port %2</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>beendet</translation>
    </message>
    <message>
        <source>%1: code %2 %3</source>
        <translation>%1: Code %2 %3</translation>
    </message>
    <message>
        <source>no password given</source>
        <translation>kein Passwort angegeben</translation>
    </message>
    <message>
        <source>the password cannot be hashed</source>
        <translation>das Passwort kann nicht gehasht werden</translation>
    </message>
    <message>
        <source>The data folder (default: the working directory).</source>
        <translation>Der Datenordner (Vorgabe: das Arbeitsverzeichnis).</translation>
    </message>
    <message>
        <source>serve: the address to listen on (default 127.0.0.1; 0.0.0.0 for every network).</source>
        <translation>serve: die Adresse, auf der gelauscht wird (Vorgabe 127.0.0.1; 0.0.0.0 für jedes Netz).</translation>
    </message>
    <message>
        <source>The port (default %1; serve: 0 picks a free one).</source>
        <translation>Der Port (Vorgabe %1; serve: 0 wählt einen freien).</translation>
    </message>
    <message>
        <source>The server&apos;s host for the client commands.</source>
        <translation>Der Rechner des Servers für die Client-Befehle.</translation>
    </message>
    <message>
        <source>The reader&apos;s name (default &quot;%1&quot;).</source>
        <translation>Der Name des Lesers (Vorgabe „%1“).</translation>
    </message>
    <message>
        <source>serve: write the demo data first unless there is data.</source>
        <translation>serve: zuerst die Demodaten schreiben, wenn es noch keine Daten gibt.</translation>
    </message>
    <message>
        <source>serve, put, take, cards, fail, book, adduser or demo.</source>
        <translation>serve, put, take, cards, fail, book, adduser oder demo.</translation>
    </message>
    <message>
        <source>--port needs a number from 0 to 65535</source>
        <translation>--port braucht eine Zahl von 0 bis 65535</translation>
    </message>
    <message>
        <source>wrong usage</source>
        <translation>falsche Verwendung</translation>
    </message>
    <message>
        <source>%1 records written</source>
        <translation>%1 Datensätze geschrieben</translation>
    </message>
</context>
<context>
    <name>lumdata</name>
    <message>
        <source>the file does not exist</source>
        <translation>die Datei existiert nicht</translation>
    </message>
    <message>
        <source>the data ends in the middle of a record or cannot be read</source>
        <translation>die Daten enden mitten in einem Datensatz oder sind nicht lesbar</translation>
    </message>
    <message>
        <source>error %1: %2</source>
        <translation>Fehler %1: %2</translation>
    </message>
    <message>
        <source>the file cannot be opened (%1)</source>
        <translation>die Datei kann nicht geöffnet werden (%1)</translation>
    </message>
    <message>
        <source>larger than %1 bytes; nothing was imported</source>
        <translation>größer als %1 Bytes; nichts wurde importiert</translation>
    </message>
    <message>
        <source>%1; nothing was imported</source>
        <translation>%1; nichts wurde importiert</translation>
    </message>
    <message>
        <source>List (XML root) name to use.</source>
        <translation>Zu verwendender Listenname (XML-Wurzel).</translation>
    </message>
    <message>
        <source>name</source>
        <translation>name</translation>
    </message>
    <message>
        <source>XML element name of a record to use.</source>
        <translation>Zu verwendender XML-Elementname eines Datensatzes.</translation>
    </message>
    <message>
        <source>the command&apos;s files and columns</source>
        <translation>die Dateien und Spalten des Befehls</translation>
    </message>
    <message>
        <source>a command is missing</source>
        <translation>ein Befehl fehlt</translation>
    </message>
    <message>
        <source>text needs at least one column</source>
        <translation>text braucht mindestens eine Spalte</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>unbekannter Befehl „%1“</translation>
    </message>
    <message>
        <source>wrong number of arguments for &quot;%1&quot;</source>
        <translation>falsche Anzahl von Argumenten für „%1“</translation>
    </message>
    <message>
        <source>%1: %2 files, %3 bytes</source>
        <translation>%1: %2 Dateien, %3 Bytes</translation>
    </message>
    <message>
        <source>The replaced data root is kept in %1</source>
        <translation>Das ersetzte Datenverzeichnis liegt in %1</translation>
    </message>
    <message>
        <source>Commands:
  show FILE                one line per record: the id, then key=value pairs in key order
                           (backslash, line breaks and tabs written as \\, \n, \r, \t)
  xml FILE                 the list&apos;s XML exchange document
  import XMLFILE FILE      apply an exchange document (XMLFILE, or - for standard input) to the
                           list in FILE and save it; FILE is created when missing
  text FILE COL[,COL...]   the text export of the named columns, separated by &quot;;&quot;
  check FILE               the load result (0 read completely, 7 no such file, 304 damaged)
                           and the record count
  backup DIR ARCHIVE       a tar archive of the data root DIR, taken while other programs
                           work (files under their locks, SQLite databases by online backup)
  restore ARCHIVE DIR      checks the whole archive, then puts it in place of DIR; the
                           replaced DIR is kept as DIR.replaced-&lt;date&gt;-&lt;time&gt;
  csv export LIST CSVFILE  the records of a list of the data root (--data) as CSV (CSVFILE,
                           or - for standard output)
  csv import LIST CSVFILE  compare a CSV file with the list and print every new, changed and
                           refused row; with --confirm write the new and changed rows as
                           --user (rights and change history as in lumoffice)

The list and element names come from the file name (currency.dat holds &quot;currencies&quot; of
&quot;currency&quot; elements); other files hold &quot;elements&quot; of &quot;element&quot;.
Exit status: 0 success, 1 a load result other than 0 or a storage error, 2 wrong usage.</source>
        <translation>Befehle:
  show DATEI               eine Zeile pro Datensatz: die Nummer, dann Schlüssel=Wert-Paare nach Schlüssel geordnet
                           (Backslash, Zeilenumbrüche und Tabulatoren als \\, \n, \r, \t geschrieben)
  xml DATEI                das XML-Austauschdokument der Liste
  import XMLDATEI DATEI    ein Austauschdokument (XMLDATEI, oder - für die Standardeingabe) auf die
                           Liste in DATEI anwenden und sie speichern; DATEI wird angelegt, wenn sie fehlt
  text DATEI SP[,SP...]    der Textexport der genannten Spalten, getrennt durch &quot;;&quot;
  check DATEI              das Ladeergebnis (0 vollständig gelesen, 7 keine solche Datei, 304 beschädigt)
                           und die Anzahl der Datensätze
  backup VERZ ARCHIV       ein tar-Archiv des Datenverzeichnisses VERZ, aufgenommen, während andere
                           Programme arbeiten (Dateien unter ihren Sperren, SQLite-Datenbanken per Online-Sicherung)
  restore ARCHIV VERZ      prüft das ganze Archiv und setzt es dann an die Stelle von VERZ; das
                           ersetzte VERZ bleibt als VERZ.replaced-&lt;Datum&gt;-&lt;Uhrzeit&gt; erhalten
  csv export LISTE CSVDATEI die Datensätze einer Liste des Datenverzeichnisses (--data) als CSV
                           (CSVDATEI, oder - für die Standardausgabe)
  csv import LISTE CSVDATEI eine CSV-Datei mit der Liste vergleichen und jede neue, geänderte und
                           abgewiesene Zeile ausgeben; mit --confirm die neuen und geänderten Zeilen
                           als --user schreiben (Rechte und Änderungshistorie wie in lumoffice)

Listen- und Elementnamen ergeben sich aus dem Dateinamen (currency.dat enthält &quot;currencies&quot; aus
&quot;currency&quot;-Elementen); andere Dateien enthalten &quot;elements&quot; aus &quot;element&quot;.
Rückgabewert: 0 Erfolg, 1 ein Ladeergebnis außer 0 oder ein Speicherfehler, 2 falsche Verwendung.</translation>
    </message>
    <message>
        <source>csv: the data root (default: the working directory).</source>
        <translation>csv: das Datenverzeichnis (Vorgabe: das Arbeitsverzeichnis).</translation>
    </message>
    <message>
        <source>dir</source>
        <translation>verz</translation>
    </message>
    <message>
        <source>csv import: the user whose rights apply (default 0, nobody).</source>
        <translation>csv import: der Benutzer, dessen Rechte gelten (Vorgabe 0, niemand).</translation>
    </message>
    <message>
        <source>id</source>
        <translation>nr</translation>
    </message>
    <message>
        <source>csv import: write the new and changed rows.</source>
        <translation>csv import: die neuen und geänderten Zeilen schreiben.</translation>
    </message>
    <message>
        <source>csv: the separator, &quot;;&quot;, &quot;,&quot; or tab (default: detected, &quot;;&quot; for the export).</source>
        <translation>csv: das Trennzeichen, &quot;;&quot;, &quot;,&quot; oder tab (Vorgabe: erkannt, &quot;;&quot; beim Export).</translation>
    </message>
    <message>
        <source>sep</source>
        <translation>zeichen</translation>
    </message>
    <message>
        <source>csv: utf-8 or windows-1252 (default: detected, utf-8 for the export).</source>
        <translation>csv: utf-8 oder windows-1252 (Vorgabe: erkannt, utf-8 beim Export).</translation>
    </message>
    <message>
        <source>csv: the decimal mark, comma or point (default: detected, point for the export).</source>
        <translation>csv: das Dezimalzeichen, comma oder point (Vorgabe: erkannt, point beim Export).</translation>
    </message>
    <message>
        <source>mark</source>
        <translation>zeichen</translation>
    </message>
    <message>
        <source>--user needs a user id</source>
        <translation>--user braucht eine Benutzernummer</translation>
    </message>
    <message>
        <source>--separator is &quot;;&quot;, &quot;,&quot; or tab</source>
        <translation>--separator ist &quot;;&quot;, &quot;,&quot; oder tab</translation>
    </message>
    <message>
        <source>--encoding is utf-8 or windows-1252</source>
        <translation>--encoding ist utf-8 oder windows-1252</translation>
    </message>
    <message>
        <source>--decimal is comma or point</source>
        <translation>--decimal ist comma oder point</translation>
    </message>
    <message>
        <source>there is no list &quot;%1&quot;</source>
        <translation>es gibt keine Liste &quot;%1&quot;</translation>
    </message>
    <message>
        <source>could not be read completely; the records that could be read are written</source>
        <translation>konnte nicht vollständig gelesen werden; die lesbaren Datensätze werden geschrieben</translation>
    </message>
    <message>
        <source>nothing was imported</source>
        <translation>nichts wurde importiert</translation>
    </message>
    <message>
        <source>columns that no record has yet: %1</source>
        <translation>Spalten, die noch kein Datensatz hat: %1</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>%1 new, %2 changed, %3 unchanged, %4 refused</source>
        <translation>%1 neu, %2 geändert, %3 unverändert, %4 abgewiesen</translation>
    </message>
    <message>
        <source>Nothing was written; --confirm writes the new and changed rows.</source>
        <translation>Nichts wurde geschrieben; --confirm schreibt die neuen und geänderten Zeilen.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Nichts wurde geschrieben.</translation>
    </message>
    <message>
        <source>%1 row(s) written to %2</source>
        <translation>%1 Zeile(n) in %2 geschrieben</translation>
    </message>
    <message>
        <source>show, xml, import, text, check, backup, restore or csv</source>
        <translation>show, xml, import, text, check, backup, restore oder csv</translation>
    </message>
</context>
<context>
    <name>lumlog</name>
    <message>
        <source>Prints a log file (UTF-16) as UTF-8 text.</source>
        <translation>Gibt eine Protokolldatei (UTF-16) als UTF-8-Text aus.</translation>
    </message>
    <message>
        <source>Go on printing what is appended, until interrupted.</source>
        <translation>Weiter ausgeben, was angehängt wird, bis zur Unterbrechung.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>datei</translation>
    </message>
    <message>
        <source>The log file.</source>
        <translation>Die Protokolldatei.</translation>
    </message>
    <message>
        <source>usage: lumlog [--follow] FILE</source>
        <translation>Aufruf: lumlog [--follow] DATEI</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 ist nicht lesbar</translation>
    </message>
</context>
<context>
    <name>lumlogd</name>
    <message>
        <source>Receives the enciphered log messages that programs send to their log host
(KORVAXK7_LOGHOST, KORVAXK7_LOGPORT) and writes one line per entry, fields separated
by tabs: date, station, level, program, mod, class, entry. Backslash, tab and line
breaks inside a field are written as \\, \t, \n and \r. Nothing is sent back.
Listens on the loopback address unless --listen names another (any: every address).
Ends on SIGINT or SIGTERM. Exit status: 0 after a signal, 1 when the port or the
output cannot be opened, 2 on wrong usage, 3 when entries could not be written
(each is reported on standard error).</source>
        <translation>Empfängt die verschlüsselten Protokollmeldungen, die Programme an ihren Protokollrechner senden
(KORVAXK7_LOGHOST, KORVAXK7_LOGPORT), und schreibt eine Zeile pro Eintrag, Felder durch
Tabulatoren getrennt: Datum, Station, Stufe, Programm, Modul, Klasse, Eintrag. Backslash, Tabulator und
Zeilenumbrüche in einem Feld werden als \\, \t, \n und \r geschrieben. Nichts wird zurückgesendet.
Lauscht auf der Loopback-Adresse, wenn --listen keine andere nennt (any: jede Adresse).
Endet bei SIGINT oder SIGTERM. Rückgabewert: 0 nach einem Signal, 1 wenn der Port oder die
Ausgabe nicht geöffnet werden kann, 2 bei falscher Verwendung, 3 wenn Einträge nicht geschrieben
werden konnten (jeder wird auf der Standardfehlerausgabe gemeldet).</translation>
    </message>
    <message>
        <source>Port to listen on (%1; 0 picks a free one).</source>
        <translation>Port, auf dem gelauscht wird (%1; 0 wählt einen freien).</translation>
    </message>
    <message>
        <source>Append the lines to FILE instead of standard output.</source>
        <translation>Die Zeilen an FILE anhängen statt an die Standardausgabe.</translation>
    </message>
    <message>
        <source>Address to listen on (127.0.0.1; &quot;any&quot; for every address).</source>
        <translation>Adresse, auf der gelauscht wird (127.0.0.1; „any“ für jede Adresse).</translation>
    </message>
    <message>
        <source>wrong usage</source>
        <translation>falsche Verwendung</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>kann %1 nicht öffnen: %2</translation>
    </message>
    <message>
        <source>cannot listen on port %1: %2</source>
        <translation>kann nicht auf Port %1 lauschen: %2</translation>
    </message>
    <message>
        <source>listening on port %1</source>
        <translation>lauscht auf Port %1</translation>
    </message>
    <message>
        <source>stopped; %1 entries could not be written</source>
        <translation>beendet; %1 Einträge konnten nicht geschrieben werden</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>beendet</translation>
    </message>
</context>
<context>
    <name>lumoffice</name>
    <message>
        <source>The back office of the point of sale.</source>
        <translation>Die Verwaltung der Kasse.</translation>
    </message>
    <message>
        <source>The data root (default: the working directory, or with --demo the demo folder in your data location).</source>
        <translation>Das Datenverzeichnis (Vorgabe: das Arbeitsverzeichnis, mit --demo der Demo-Ordner in Ihrem Datenverzeichnis).</translation>
    </message>
    <message>
        <source>dir</source>
        <translation>verzeichnis</translation>
    </message>
    <message>
        <source>Create the demo data that the data root does not hold yet.</source>
        <translation>Die Demodaten anlegen, die das Datenverzeichnis noch nicht enthält.</translation>
    </message>
    <message>
        <source>Log in the user (or, without users in lumconfig.ini, the waiter) with this id.</source>
        <translation>Den Benutzer (oder, ohne Benutzer in lumconfig.ini, den Kellner) mit dieser Nummer anmelden.</translation>
    </message>
    <message>
        <source>id</source>
        <translation>nr</translation>
    </message>
    <message>
        <source>Read a password from standard input and print the hash that lumconfig.ini keeps for it, then quit.</source>
        <translation>Ein Passwort von der Standardeingabe lesen, den Hash ausgeben, den lumconfig.ini dafür speichert, und beenden.</translation>
    </message>
    <message>
        <source>Render the main window and every editor to PNG files, then quit.</source>
        <translation>Das Hauptfenster und jeden Editor als PNG-Dateien zeichnen, dann beenden.</translation>
    </message>
    <message>
        <source>the demo data cannot be written: %1</source>
        <translation>die Demodaten können nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>no data root %1</source>
        <translation>kein Datenverzeichnis %1</translation>
    </message>
    <message>
        <source>--user needs a user id of 1 or more</source>
        <translation>--user braucht eine Benutzernummer ab 1</translation>
    </message>
    <message>
        <source>there is no user %1 in lumconfig.ini</source>
        <translation>es gibt keinen Benutzer %1 in lumconfig.ini</translation>
    </message>
    <message>
        <source>there is no user or waiter %1</source>
        <translation>es gibt keinen Benutzer oder Kellner %1</translation>
    </message>
    <message>
        <source>%1 pictures in %2</source>
        <translation>%1 Bilder in %2</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Konfiguration</translation>
    </message>
    <message>
        <source>The configuration cannot be read:
%1

Until it can, every dialog is read-only.</source>
        <translation>Die Konfiguration ist nicht lesbar:
%1

Bis sie lesbar ist, ist jeder Dialog schreibgeschützt.</translation>
    </message>
    <message>
        <source>Print every reference to a record that does not exist, then quit (exit status 1 when there is one).</source>
        <translation>Jeden Verweis auf einen nicht vorhandenen Datensatz ausgeben, dann beenden (Rückgabewert 1, wenn es einen gibt).</translation>
    </message>
</context>
</TS>
