<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>About</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Sizing method and data by the</source>
        <translation>Metodo e dati a cura degli</translation>
    </message>
    <message>
        <source>Kestrin application engineers.</source>
        <translation>ingegneri applicativi di Kestrin.</translation>
    </message>
</context>
<context>
    <name>Diagram</name>
    <message>
        <source>Evaporator</source>
        <translation>Evaporatore</translation>
    </message>
    <message>
        <source>Condenser</source>
        <translation>Condensatore</translation>
    </message>
    <message>
        <source>Filter drier</source>
        <translation>Filtro essiccatore</translation>
    </message>
    <message>
        <source>Capillary tube</source>
        <translation>Tubo capillare</translation>
    </message>
    <message>
        <source>Compressor</source>
        <translation>Compressore</translation>
    </message>
    <message>
        <source>Suction line</source>
        <translation>Aspirazione</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Help Info</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Visit Kestrin on the Web</source>
        <translation>Visita Kestrin sul Web</translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation>Note legali</translation>
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
        <translation>il file manca.</translation>
    </message>
    <message>
        <source>it is not a regular file.</source>
        <translation>non è un file regolare.</translation>
    </message>
    <message>
        <source>it is unreadable (%1).</source>
        <translation>non è leggibile (%1).</translation>
    </message>
    <message>
        <source>it is not a Velnor database.</source>
        <translation>non è un database Velnor.</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>Impossibile leggere %1: %2</translation>
    </message>
    <message>
        <source>Settings are not kept: %1 is not an ordinary file. It is left as it is, and this run saves nothing.</source>
        <translation>Le impostazioni non vengono conservate: %1 non è un file regolare. Resta com&apos;è e questa sessione non salva nulla.</translation>
    </message>
    <message>
        <source>Settings are not kept: %1 is too large for a settings file. It is left as it is, and this run saves nothing.</source>
        <translation>Le impostazioni non vengono conservate: %1 è troppo grande per un file di impostazioni. Resta com&apos;è e questa sessione non salva nulla.</translation>
    </message>
    <message>
        <source>Settings are not kept: %1 cannot be read (%2). It is left as it is, and this run saves nothing.</source>
        <translation>Le impostazioni non vengono conservate: %1 non può essere letto (%2). Resta com&apos;è e questa sessione non salva nulla.</translation>
    </message>
    <message>
        <source>Settings are not kept: %1 is damaged, and no backup copy of it can be made. It is left as it is, and this run saves nothing.</source>
        <translation>Le impostazioni non vengono conservate: %1 è danneggiato e non se ne può fare una copia di sicurezza. Resta com&apos;è e questa sessione non salva nulla.</translation>
    </message>
    <message>
        <source>Settings could not be saved: %1 is locked by another program.</source>
        <translation>Impossibile salvare le impostazioni: %1 è bloccato da un altro programma.</translation>
    </message>
    <message>
        <source>Settings could not be saved: %1 is read-only.</source>
        <translation>Impossibile salvare le impostazioni: %1 è di sola lettura.</translation>
    </message>
    <message>
        <source>Settings could not be saved: the folder %1 cannot be made.</source>
        <translation>Impossibile salvare le impostazioni: impossibile creare la cartella %1.</translation>
    </message>
    <message>
        <source>Settings could not be saved to %1: %2.</source>
        <translation>Impossibile salvare le impostazioni in %1: %2.</translation>
    </message>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>Il sistema operativo ha esaurito
la memoria o le risorse.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>Il file specificato non è stato trovato.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>Il percorso specificato non è stato trovato.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>Il sistema operativo ha negato
l&apos;accesso al file specificato.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>Memoria insufficiente per completare l&apos;operazione.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>Il file .EXE non è valido
(non è un .EXE Win32 o errore nell&apos;immagine .EXE).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Si è verificata una violazione di condivisione. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>L&apos;associazione del nome file
è incompleta o non valida.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>Impossibile completare la transazione DDE
perché la richiesta è scaduta.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>La transazione DDE non è riuscita.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>Impossibile completare la transazione DDE
perché erano in corso
altre transazioni DDE.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Nessuna applicazione è associata
all&apos;estensione del file indicata.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>La libreria a collegamento dinamico specificata non è stata trovata.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Si è verificato un errore sconosciuto (%1).</translation>
    </message>
    <message>
        <source>Unable to open hyperlink:</source>
        <translation>Impossibile aprire il collegamento:</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Heat load of the system</source>
        <translation>Carico termico dell&apos;impianto</translation>
    </message>
    <message>
        <source>%1 (N2 at delta p %2)</source>
        <translation>%1 (N2 a delta p %2)</translation>
    </message>
    <message>
        <source>Input Data: </source>
        <translation>Dati di ingresso: </translation>
    </message>
    <message>
        <source>Refrigerant</source>
        <translation>Refrigerante</translation>
    </message>
    <message>
        <source>Evaporating temperature</source>
        <translation>Temperatura di evaporazione</translation>
    </message>
    <message>
        <source>Condensing temperature</source>
        <translation>Temperatura di condensazione</translation>
    </message>
    <message>
        <source>Return gas temperature</source>
        <translation>Temperatura del gas aspirato</translation>
    </message>
    <message>
        <source>Cannot calculate tube data. Invalid input.</source>
        <translation>Impossibile calcolare i dati del tubo. Dati non validi.</translation>
    </message>
    <message>
        <source>Capillary Tube Recommendation: </source>
        <translation>Tubo capillare consigliato: </translation>
    </message>
    <message>
        <source>Flow Rate</source>
        <translation>Portata</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Lunghezza</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Diametro</translation>
    </message>
    <message>
        <source>Optimal Selection:</source>
        <translation>Selezione ottimale:</translation>
    </message>
    <message>
        <source>A %1 length of %2 diameter tubing.</source>
        <translation>Tubo di %2 di diametro, lungo %1.</translation>
    </message>
    <message>
        <source>Inner diameter</source>
        <translation>Diametro interno</translation>
    </message>
</context>
<context>
    <name>Results</name>
    <message>
        <source>%1 to %2</source>
        <translation>da %1 a %2</translation>
    </message>
    <message>
        <source>Heat load invalid</source>
        <translation>Carico termico non valido</translation>
    </message>
    <message>
        <source>Evap temp invalid</source>
        <translation>Temp. di evaporazione non valida</translation>
    </message>
    <message>
        <source>Return gas invalid</source>
        <translation>Temp. gas aspirato non valida</translation>
    </message>
    <message>
        <source>Cond temp invalid</source>
        <translation>Temp. di condensazione non valida</translation>
    </message>
    <message>
        <source>Refrigerant data invalid</source>
        <translation>Dati del refrigerante non validi</translation>
    </message>
    <message>
        <source>no usable flow</source>
        <translation>nessuna portata utilizzabile</translation>
    </message>
    <message>
        <source>No tube diameters</source>
        <translation>Nessun diametro di tubo</translation>
    </message>
    <message>
        <source>in the chosen list</source>
        <translation>nell&apos;elenco scelto</translation>
    </message>
    <message>
        <source>No refrigerants</source>
        <translation>Nessun refrigerante</translation>
    </message>
    <message>
        <source>in Velnor.dkt</source>
        <translation>in Velnor.dkt</translation>
    </message>
    <message>
        <source>Tube invalid: the inner diameter and the length must be above 0</source>
        <translation>Tubo non valido: il diametro interno e la lunghezza devono essere maggiori di 0</translation>
    </message>
    <message>
        <source>No heat load: the refrigerant&apos;s flow correlation cannot be turned round at these temperatures</source>
        <translation>Nessun carico termico: la correlazione di portata del refrigerante non è invertibile a queste temperature</translation>
    </message>
    <message>
        <source>Heat load invalid: the tube serves less than %1</source>
        <translation>Carico termico non valido: il tubo copre meno di %1</translation>
    </message>
    <message>
        <source>Heat load invalid: the tube serves more than %1</source>
        <translation>Carico termico non valido: il tubo copre più di %1</translation>
    </message>
</context>
<context>
    <name>Tube</name>
    <message>
        <source>Check a Tube</source>
        <translation>Verifica un tubo</translation>
    </message>
    <message>
        <source>Inner diameter</source>
        <translation>Diametro interno</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Lunghezza</translation>
    </message>
    <message>
        <source>%1 (%2):</source>
        <translation>%1 (%2):</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>Units</name>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Potenza</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Pressione</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Diametro</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>pollici</translation>
    </message>
    <message>
        <source>millimeters</source>
        <translation>millimetri</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Lunghezza</translation>
    </message>
    <message>
        <source>meters</source>
        <translation>metri</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Portata</translation>
    </message>
    <message>
        <source>Europe</source>
        <translation>Europa</translation>
    </message>
    <message>
        <source>North America</source>
        <translation>Nord America</translation>
    </message>
    <message>
        <source>Standard tube diameter list</source>
        <translation>Diametri standard dei tubi</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Flow Rate: %1 (N_2 at delta p %2)</source>
        <translation>Portata: %1 (N_2 a delta p %2)</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versione</translation>
    </message>
    <message>
        <source>Database</source>
        <translation>Database</translation>
    </message>
    <message>
        <source>Input Data</source>
        <translation>Dati di ingresso</translation>
    </message>
    <message>
        <source>Capillary Tube Recommendation</source>
        <translation>Tubo capillare consigliato</translation>
    </message>
    <message>
        <source>Optimal selection is highlighted in green.</source>
        <translation>La selezione ottimale è evidenziata in verde.</translation>
    </message>
    <message>
        <source>Refrigerant</source>
        <translation>Refrigerante</translation>
    </message>
    <message>
        <source>Heat load of the system</source>
        <translation>Carico termico dell&apos;impianto</translation>
    </message>
    <message>
        <source>Evaporating temperature</source>
        <translation>Temp. di evaporazione</translation>
    </message>
    <message>
        <source>Condensing temperature</source>
        <translation>Temp. di condensazione</translation>
    </message>
    <message>
        <source>Return gas temperature</source>
        <translation>Temp. gas aspirato</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Risultati</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Homepage: %1</source>
        <translation>Sito web: %1</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Lunghezza</translation>
    </message>
    <message>
        <source>Inner Diameter</source>
        <translation>Diametro interno</translation>
    </message>
    <message>
        <source>Specify unit options</source>
        <translation>Scegliere le unità</translation>
    </message>
    <message>
        <source>Print current calculation</source>
        <translation>Stampa il calcolo attuale</translation>
    </message>
    <message>
        <source>Display help information</source>
        <translation>Mostra la guida</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Informazioni...</translation>
    </message>
    <message>
        <source>&amp;Copy Results</source>
        <translation>&amp;Copia risultati</translation>
    </message>
    <message>
        <source>Check a &amp;Tube...</source>
        <translation>Verifica un &amp;tubo...</translation>
    </message>
</context>
</TS>
