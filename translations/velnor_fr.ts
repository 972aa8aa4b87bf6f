<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>About</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Sizing method and data by the</source>
        <translation>Méthode de calcul et données :</translation>
    </message>
    <message>
        <source>Kestrin application engineers.</source>
        <translation>ingénieurs d&apos;application Kestrin.</translation>
    </message>
</context>
<context>
    <name>Diagram</name>
    <message>
        <source>Evaporator</source>
        <translation>Évaporateur</translation>
    </message>
    <message>
        <source>Condenser</source>
        <translation>Condenseur</translation>
    </message>
    <message>
        <source>Filter drier</source>
        <translation>Déshydrateur</translation>
    </message>
    <message>
        <source>Capillary tube</source>
        <translation>Tube capillaire</translation>
    </message>
    <message>
        <source>Compressor</source>
        <translation>Compresseur</translation>
    </message>
    <message>
        <source>Suction line</source>
        <translation>Aspiration</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Help Info</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Visit Kestrin on the Web</source>
        <translation>Visiter Kestrin sur le Web</translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation>Avis légal</translation>
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
        <translation>le fichier est absent.</translation>
    </message>
    <message>
        <source>it is not a regular file.</source>
        <translation>ce n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>it is unreadable (%1).</source>
        <translation>il est illisible (%1).</translation>
    </message>
    <message>
        <source>it is not a Velnor database.</source>
        <translation>ce n&apos;est pas une base de données Velnor.</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>Impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>Settings are not kept: %1 is not an ordinary file. It is left as it is, and this run saves nothing.</source>
        <translation>Les paramètres ne sont pas conservés : %1 n&apos;est pas un fichier ordinaire. Il reste tel quel, et cette session n&apos;enregistre rien.</translation>
    </message>
    <message>
        <source>Settings are not kept: %1 is too large for a settings file. It is left as it is, and this run saves nothing.</source>
        <translation>Les paramètres ne sont pas conservés : %1 est trop volumineux pour un fichier de paramètres. Il reste tel quel, et cette session n&apos;enregistre rien.</translation>
    </message>
    <message>
        <source>Settings are not kept: %1 cannot be read (%2). It is left as it is, and this run saves nothing.</source>
        <translation>Les paramètres ne sont pas conservés : %1 ne peut pas être lu (%2). Il reste tel quel, et cette session n&apos;enregistre rien.</translation>
    </message>
    <message>
        <source>Settings are not kept: %1 is damaged, and no backup copy of it can be made. It is left as it is, and this run saves nothing.</source>
        <translation>Les paramètres ne sont pas conservés : %1 est endommagé, et aucune copie de sauvegarde ne peut en être faite. Il reste tel quel, et cette session n&apos;enregistre rien.</translation>
    </message>
    <message>
        <source>Settings could not be saved: %1 is locked by another program.</source>
        <translation>Les paramètres n&apos;ont pas pu être enregistrés : %1 est verrouillé par un autre programme.</translation>
    </message>
    <message>
        <source>Settings could not be saved: %1 is read-only.</source>
        <translation>Les paramètres n&apos;ont pas pu être enregistrés : %1 est en lecture seule.</translation>
    </message>
    <message>
        <source>Settings could not be saved: the folder %1 cannot be made.</source>
        <translation>Les paramètres n&apos;ont pas pu être enregistrés : le dossier %1 ne peut pas être créé.</translation>
    </message>
    <message>
        <source>Settings could not be saved to %1: %2.</source>
        <translation>Les paramètres n&apos;ont pas pu être enregistrés dans %1 : %2.</translation>
    </message>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>Le système d&apos;exploitation manque
de mémoire ou de ressources.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>Le fichier spécifié est introuvable.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>Le chemin spécifié est introuvable.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>Le système d&apos;exploitation a refusé
l&apos;accès au fichier spécifié.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>La mémoire était insuffisante pour terminer l&apos;opération.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>Le fichier .EXE n&apos;est pas valide
(pas un .EXE Win32 ou erreur dans l&apos;image .EXE).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Une violation de partage s&apos;est produite. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>L&apos;association du nom de fichier
est incomplète ou non valide.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>La transaction DDE n&apos;a pas pu
être terminée car la demande a expiré.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>La transaction DDE a échoué.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>La transaction DDE n&apos;a pas pu
être terminée car d&apos;autres transactions DDE
étaient en cours.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Aucune application n&apos;est associée
à l&apos;extension de fichier indiquée.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>La bibliothèque de liens dynamiques spécifiée est introuvable.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Une erreur inconnue (%1) s&apos;est produite.</translation>
    </message>
    <message>
        <source>Unable to open hyperlink:</source>
        <translation>Impossible d&apos;ouvrir le lien :</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Heat load of the system</source>
        <translation>Charge thermique du système</translation>
    </message>
    <message>
        <source>%1 (N2 at delta p %2)</source>
        <translation>%1 (N2 à delta p %2)</translation>
    </message>
    <message>
        <source>Input Data: </source>
        <translation>Données d&apos;entrée : </translation>
    </message>
    <message>
        <source>Refrigerant</source>
        <translation>Fluide frigorigène</translation>
    </message>
    <message>
        <source>Evaporating temperature</source>
        <translation>Température d&apos;évaporation</translation>
    </message>
    <message>
        <source>Condensing temperature</source>
        <translation>Température de condensation</translation>
    </message>
    <message>
        <source>Return gas temperature</source>
        <translation>Température des gaz aspirés</translation>
    </message>
    <message>
        <source>Cannot calculate tube data. Invalid input.</source>
        <translation>Impossible de calculer les données du tube. Saisie non valide.</translation>
    </message>
    <message>
        <source>Capillary Tube Recommendation: </source>
        <translation>Tube capillaire recommandé : </translation>
    </message>
    <message>
        <source>Flow Rate</source>
        <translation>Débit</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Longueur</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Diamètre</translation>
    </message>
    <message>
        <source>Optimal Selection:</source>
        <translation>Sélection optimale :</translation>
    </message>
    <message>
        <source>A %1 length of %2 diameter tubing.</source>
        <translation>Tube de %2 de diamètre sur une longueur de %1.</translation>
    </message>
    <message>
        <source>Inner diameter</source>
        <translation>Diamètre intérieur</translation>
    </message>
</context>
<context>
    <name>Results</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>Heat load invalid</source>
        <translation>Charge thermique non valide</translation>
    </message>
    <message>
        <source>Evap temp invalid</source>
        <translation>Temp. d&apos;évaporation non valide</translation>
    </message>
    <message>
        <source>Return gas invalid</source>
        <translation>Temp. gaz aspirés non valide</translation>
    </message>
    <message>
        <source>Cond temp invalid</source>
        <translation>Temp. de condensation non valide</translation>
    </message>
    <message>
        <source>Refrigerant data invalid</source>
        <translation>Données du fluide non valides</translation>
    </message>
    <message>
        <source>no usable flow</source>
        <translation>aucun débit utilisable</translation>
    </message>
    <message>
        <source>No tube diameters</source>
        <translation>Aucun diamètre de tube</translation>
    </message>
    <message>
        <source>in the chosen list</source>
        <translation>dans la liste choisie</translation>
    </message>
    <message>
        <source>No refrigerants</source>
        <translation>Aucun fluide frigorigène</translation>
    </message>
    <message>
        <source>in Velnor.dkt</source>
        <translation>dans Velnor.dkt</translation>
    </message>
    <message>
        <source>Tube invalid: the inner diameter and the length must be above 0</source>
        <translation>Tube non valide : le diamètre intérieur et la longueur doivent être supérieurs à 0</translation>
    </message>
    <message>
        <source>No heat load: the refrigerant&apos;s flow correlation cannot be turned round at these temperatures</source>
        <translation>Pas de charge thermique : la corrélation de débit du fluide ne peut pas être inversée à ces températures</translation>
    </message>
    <message>
        <source>Heat load invalid: the tube serves less than %1</source>
        <translation>Charge thermique non valide : le tube couvre moins de %1</translation>
    </message>
    <message>
        <source>Heat load invalid: the tube serves more than %1</source>
        <translation>Charge thermique non valide : le tube couvre plus de %1</translation>
    </message>
</context>
<context>
    <name>Tube</name>
    <message>
        <source>Check a Tube</source>
        <translation>Vérifier un tube</translation>
    </message>
    <message>
        <source>Inner diameter</source>
        <translation>Diamètre intérieur</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Longueur</translation>
    </message>
    <message>
        <source>%1 (%2):</source>
        <translation>%1 (%2) :</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>Units</name>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Puissance</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Température</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Pression</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Diamètre</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>pouces</translation>
    </message>
    <message>
        <source>millimeters</source>
        <translation>millimètres</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Longueur</translation>
    </message>
    <message>
        <source>meters</source>
        <translation>mètres</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Débit</translation>
    </message>
    <message>
        <source>Europe</source>
        <translation>Europe</translation>
    </message>
    <message>
        <source>North America</source>
        <translation>Amérique du Nord</translation>
    </message>
    <message>
        <source>Standard tube diameter list</source>
        <translation>Diamètres de tube standard</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Flow Rate: %1 (N_2 at delta p %2)</source>
        <translation>Débit : %1 (N_2 à delta p %2)</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Database</source>
        <translation>Données</translation>
    </message>
    <message>
        <source>Input Data</source>
        <translation>Données d&apos;entrée</translation>
    </message>
    <message>
        <source>Capillary Tube Recommendation</source>
        <translation>Tube capillaire recommandé</translation>
    </message>
    <message>
        <source>Optimal selection is highlighted in green.</source>
        <translation>La sélection optimale est surlignée en vert.</translation>
    </message>
    <message>
        <source>Refrigerant</source>
        <translation>Fluide frigorigène</translation>
    </message>
    <message>
        <source>Heat load of the system</source>
        <translation>Charge thermique</translation>
    </message>
    <message>
        <source>Evaporating temperature</source>
        <translation>Temp. d&apos;évaporation</translation>
    </message>
    <message>
        <source>Condensing temperature</source>
        <translation>Temp. de condensation</translation>
    </message>
    <message>
        <source>Return gas temperature</source>
        <translation>Temp. des gaz aspirés</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Unités</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Homepage: %1</source>
        <translation>Site web : %1</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Longueur</translation>
    </message>
    <message>
        <source>Inner Diameter</source>
        <translation>Diamètre intérieur</translation>
    </message>
    <message>
        <source>Specify unit options</source>
        <translation>Choisir les unités</translation>
    </message>
    <message>
        <source>Print current calculation</source>
        <translation>Imprimer le calcul actuel</translation>
    </message>
    <message>
        <source>Display help information</source>
        <translation>Afficher l&apos;aide</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À &amp;propos...</translation>
    </message>
    <message>
        <source>&amp;Copy Results</source>
        <translation>&amp;Copier les résultats</translation>
    </message>
    <message>
        <source>Check a &amp;Tube...</source>
        <translation>Vérifier un &amp;tube...</translation>
    </message>
</context>
</TS>
