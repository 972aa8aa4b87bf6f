<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>About</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Sizing method and data by the</source>
        <translation>Verfahren und Daten von den</translation>
    </message>
    <message>
        <source>Kestrin application engineers.</source>
        <translation>Kestrin-Anwendungsingenieuren.</translation>
    </message>
</context>
<context>
    <name>Diagram</name>
    <message>
        <source>Evaporator</source>
        <translation>Verdampfer</translation>
    </message>
    <message>
        <source>Condenser</source>
        <translation>Verflüssiger</translation>
    </message>
    <message>
        <source>Filter drier</source>
        <translation>Filtertrockner</translation>
    </message>
    <message>
        <source>Capillary tube</source>
        <translation>Kapillarrohr</translation>
    </message>
    <message>
        <source>Compressor</source>
        <translation>Verdichter</translation>
    </message>
    <message>
        <source>Suction line</source>
        <translation>Saugleitung</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Help Info</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Visit Kestrin on the Web</source>
        <translation>Kestrin im Internet besuchen</translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation>Rechtliches</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>the file is missing.</source>
        <translation>die Datei fehlt.</translation>
    </message>
    <message>
        <source>it is not a regular file.</source>
        <translation>sie ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>it is unreadable (%1).</source>
        <translation>sie ist nicht lesbar (%1).</translation>
    </message>
    <message>
        <source>it is not a Velnor database.</source>
        <translation>sie ist keine Velnor-Datenbank.</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>%1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Settings are not kept: %1 is not an ordinary file. It is left as it is, and this run saves nothing.</source>
        <translation>Einstellungen werden nicht gespeichert: %1 ist keine gewöhnliche Datei. Sie bleibt unverändert, und dieser Lauf speichert nichts.</translation>
    </message>
    <message>
        <source>Settings are not kept: %1 is too large for a settings file. It is left as it is, and this run saves nothing.</source>
        <translation>Einstellungen werden nicht gespeichert: %1 ist zu groß für eine Einstellungsdatei. Sie bleibt unverändert, und dieser Lauf speichert nichts.</translation>
    </message>
    <message>
        <source>Settings are not kept: %1 cannot be read (%2). It is left as it is, and this run saves nothing.</source>
        <translation>Einstellungen werden nicht gespeichert: %1 kann nicht gelesen werden (%2). Sie bleibt unverändert, und dieser Lauf speichert nichts.</translation>
    </message>
    <message>
        <source>Settings are not kept: %1 is damaged, and no backup copy of it can be made. It is left as it is, and this run saves nothing.</source>
        <translation>Einstellungen werden nicht gespeichert: %1 ist beschädigt, und es kann keine Sicherungskopie davon angelegt werden. Sie bleibt unverändert, und dieser Lauf speichert nichts.</translation>
    </message>
    <message>
        <source>Settings could not be saved: %1 is locked by another program.</source>
        <translation>Einstellungen konnten nicht gespeichert werden: %1 ist von einem anderen Programm gesperrt.</translation>
    </message>
    <message>
        <source>Settings could not be saved: %1 is read-only.</source>
        <translation>Einstellungen konnten nicht gespeichert werden: %1 ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>Settings could not be saved: the folder %1 cannot be made.</source>
        <translation>Einstellungen konnten nicht gespeichert werden: Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Settings could not be saved to %1: %2.</source>
        <translation>Einstellungen konnten nicht in %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>Das Betriebssystem hat keinen Speicher
oder keine Ressourcen mehr.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>Die angegebene Datei wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>Der angegebene Pfad wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>Das Betriebssystem hat den Zugriff
auf die angegebene Datei verweigert.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>Für den Vorgang war nicht genug Speicher vorhanden.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>Die .EXE-Datei ist ungültig
(keine Win32-.EXE oder Fehler im .EXE-Abbild).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Eine Freigabeverletzung ist aufgetreten. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>Die Dateizuordnung ist
unvollständig oder ungültig.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>Die DDE-Transaktion konnte nicht
abgeschlossen werden, weil die Anforderung abgelaufen ist.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>Die DDE-Transaktion ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>Die DDE-Transaktion konnte nicht
abgeschlossen werden, weil andere DDE-Transaktionen
gerade verarbeitet wurden.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Mit der angegebenen Dateierweiterung
ist keine Anwendung verknüpft.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>Die angegebene DLL wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Unbekannter Fehler (%1) aufgetreten.</translation>
    </message>
    <message>
        <source>Unable to open hyperlink:</source>
        <translation>Der Link kann nicht geöffnet werden:</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Heat load of the system</source>
        <translation>Kälteleistung der Anlage</translation>
    </message>
    <message>
        <source>%1 (N2 at delta p %2)</source>
        <translation>%1 (N2 bei Delta p %2)</translation>
    </message>
    <message>
        <source>Input Data: </source>
        <translation>Eingabedaten: </translation>
    </message>
    <message>
        <source>Refrigerant</source>
        <translation>Kältemittel</translation>
    </message>
    <message>
        <source>Evaporating temperature</source>
        <translation>Verdampfungstemperatur</translation>
    </message>
    <message>
        <source>Condensing temperature</source>
        <translation>Verflüssigungstemperatur</translation>
    </message>
    <message>
        <source>Return gas temperature</source>
        <translation>Sauggastemperatur</translation>
    </message>
    <message>
        <source>Cannot calculate tube data. Invalid input.</source>
        <translation>Rohrdaten können nicht berechnet werden. Ungültige Eingabe.</translation>
    </message>
    <message>
        <source>Capillary Tube Recommendation: </source>
        <translation>Kapillarrohr-Empfehlung: </translation>
    </message>
    <message>
        <source>Flow Rate</source>
        <translation>Durchfluss</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Durchmesser</translation>
    </message>
    <message>
        <source>Optimal Selection:</source>
        <translation>Optimale Auswahl:</translation>
    </message>
    <message>
        <source>A %1 length of %2 diameter tubing.</source>
        <translation>Kapillarrohr mit %2 Durchmesser, %1 lang.</translation>
    </message>
    <message>
        <source>Inner diameter</source>
        <translation>Innendurchmesser</translation>
    </message>
</context>
<context>
    <name>Results</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>Heat load invalid</source>
        <translation>Kälteleistung ungültig</translation>
    </message>
    <message>
        <source>Evap temp invalid</source>
        <translation>Verdampfungstemp. ungültig</translation>
    </message>
    <message>
        <source>Return gas invalid</source>
        <translation>Sauggastemp. ungültig</translation>
    </message>
    <message>
        <source>Cond temp invalid</source>
        <translation>Verflüssigungstemp. ungültig</translation>
    </message>
    <message>
        <source>Refrigerant data invalid</source>
        <translation>Kältemitteldaten ungültig</translation>
    </message>
    <message>
        <source>no usable flow</source>
        <translation>kein brauchbarer Durchfluss</translation>
    </message>
    <message>
        <source>No tube diameters</source>
        <translation>Keine Rohrdurchmesser</translation>
    </message>
    <message>
        <source>in the chosen list</source>
        <translation>in der gewählten Liste</translation>
    </message>
    <message>
        <source>No refrigerants</source>
        <translation>Keine Kältemittel</translation>
    </message>
    <message>
        <source>in Velnor.dkt</source>
        <translation>in Velnor.dkt</translation>
    </message>
    <message>
        <source>Tube invalid: the inner diameter and the length must be above 0</source>
        <translation>Rohr ungültig: Innendurchmesser und Länge müssen größer als 0 sein</translation>
    </message>
    <message>
        <source>No heat load: the refrigerant&apos;s flow correlation cannot be turned round at these temperatures</source>
        <translation>Keine Kälteleistung: Die Durchflusskorrelation des Kältemittels lässt sich bei diesen Temperaturen nicht umkehren</translation>
    </message>
    <message>
        <source>Heat load invalid: the tube serves less than %1</source>
        <translation>Kälteleistung ungültig: Das Rohr leistet weniger als %1</translation>
    </message>
    <message>
        <source>Heat load invalid: the tube serves more than %1</source>
        <translation>Kälteleistung ungültig: Das Rohr leistet mehr als %1</translation>
    </message>
</context>
<context>
    <name>Tube</name>
    <message>
        <source>Check a Tube</source>
        <translation>Rohr prüfen</translation>
    </message>
    <message>
        <source>Inner diameter</source>
        <translation>Innendurchmesser</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>%1 (%2):</source>
        <translation>%1 (%2):</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>Units</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Leistung</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Druck</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Durchmesser</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>millimeters</source>
        <translation>Millimeter</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>meters</source>
        <translation>Meter</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Durchfluss</translation>
    </message>
    <message>
        <source>Europe</source>
        <translation>Europa</translation>
    </message>
    <message>
        <source>North America</source>
        <translation>Nordamerika</translation>
    </message>
    <message>
        <source>Standard tube diameter list</source>
        <translation>Rohrdurchmesserliste</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Flow Rate: %1 (N_2 at delta p %2)</source>
        <translation>Durchfluss: %1 (N_2 bei Delta p %2)</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Database</source>
        <translation>Daten</translation>
    </message>
    <message>
        <source>Input Data</source>
        <translation>Eingabedaten</translation>
    </message>
    <message>
        <source>Capillary Tube Recommendation</source>
        <translation>Kapillarrohr-Empfehlung</translation>
    </message>
    <message>
        <source>Optimal selection is highlighted in green.</source>
        <translation>Die optimale Auswahl ist grün hervorgehoben.</translation>
    </message>
    <message>
        <source>Refrigerant</source>
        <translation>Kältemittel</translation>
    </message>
    <message>
        <source>Heat load of the system</source>
        <translation>Kälteleistung der Anlage</translation>
    </message>
    <message>
        <source>Evaporating temperature</source>
        <translation>Verdampfungstemperatur</translation>
    </message>
    <message>
        <source>Condensing temperature</source>
        <translation>Verflüssigungstemperatur</translation>
    </message>
    <message>
        <source>Return gas temperature</source>
        <translation>Sauggastemperatur</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einheiten</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Homepage: %1</source>
        <translation>Homepage: %1</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Inner Diameter</source>
        <translation>Innendurchmesser</translation>
    </message>
    <message>
        <source>Specify unit options</source>
        <translation>Einheiten festlegen</translation>
    </message>
    <message>
        <source>Print current calculation</source>
        <translation>Aktuelle Berechnung drucken</translation>
    </message>
    <message>
        <source>Display help information</source>
        <translation>Hilfe anzeigen</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Über...</translation>
    </message>
    <message>
        <source>&amp;Copy Results</source>
        <translation>Ergebnisse &amp;kopieren</translation>
    </message>
    <message>
        <source>Check a &amp;Tube...</source>
        <translation>&amp;Rohr prüfen...</translation>
    </message>
</context>
</TS>
