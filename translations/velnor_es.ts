<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>About</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Sizing method and data by the</source>
        <translation>Método y datos de los ingenieros</translation>
    </message>
    <message>
        <source>Kestrin application engineers.</source>
        <translation>de aplicación de Kestrin.</translation>
    </message>
</context>
<context>
    <name>Diagram</name>
    <message>
        <source>Evaporator</source>
        <translation>Evaporador</translation>
    </message>
    <message>
        <source>Condenser</source>
        <translation>Condensador</translation>
    </message>
    <message>
        <source>Filter drier</source>
        <translation>Filtro secador</translation>
    </message>
    <message>
        <source>Capillary tube</source>
        <translation>Tubo capilar</translation>
    </message>
    <message>
        <source>Compressor</source>
        <translation>Compresor</translation>
    </message>
    <message>
        <source>Suction line</source>
        <translation>Aspiración</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Help Info</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Visit Kestrin on the Web</source>
        <translation>Visite Kestrin en la web</translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation>Aviso legal</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>the file is missing.</source>
        <translation>falta el archivo.</translation>
    </message>
    <message>
        <source>it is not a regular file.</source>
        <translation>no es un archivo normal.</translation>
    </message>
    <message>
        <source>it is unreadable (%1).</source>
        <translation>no se puede leer (%1).</translation>
    </message>
    <message>
        <source>it is not a Velnor database.</source>
        <translation>no es una base de datos de Velnor.</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>No se pudo leer %1: %2</translation>
    </message>
    <message>
        <source>Settings are not kept: %1 is not an ordinary file. It is left as it is, and this run saves nothing.</source>
        <translation>La configuración no se conserva: %1 no es un archivo normal. Se deja como está y esta ejecución no guarda nada.</translation>
    </message>
    <message>
        <source>Settings are not kept: %1 is too large for a settings file. It is left as it is, and this run saves nothing.</source>
        <translation>La configuración no se conserva: %1 es demasiado grande para un archivo de configuración. Se deja como está y esta ejecución no guarda nada.</translation>
    </message>
    <message>
        <source>Settings are not kept: %1 cannot be read (%2). It is left as it is, and this run saves nothing.</source>
        <translation>La configuración no se conserva: %1 no se puede leer (%2). Se deja como está y esta ejecución no guarda nada.</translation>
    </message>
    <message>
        <source>Settings are not kept: %1 is damaged, and no backup copy of it can be made. It is left as it is, and this run saves nothing.</source>
        <translation>La configuración no se conserva: %1 está dañado y no se puede hacer una copia de seguridad. Se deja como está y esta ejecución no guarda nada.</translation>
    </message>
    <message>
        <source>Settings could not be saved: %1 is locked by another program.</source>
        <translation>No se pudo guardar la configuración: %1 está bloqueado por otro programa.</translation>
    </message>
    <message>
        <source>Settings could not be saved: %1 is read-only.</source>
        <translation>No se pudo guardar la configuración: %1 es de solo lectura.</translation>
    </message>
    <message>
        <source>Settings could not be saved: the folder %1 cannot be made.</source>
        <translation>No se pudo guardar la configuración: no se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <source>Settings could not be saved to %1: %2.</source>
        <translation>No se pudo guardar la configuración en %1: %2.</translation>
    </message>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>El sistema operativo se ha quedado
sin memoria o sin recursos.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>No se encontró el archivo especificado.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>No se encontró la ruta especificada.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>El sistema operativo denegó el acceso
al archivo especificado.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>No había memoria suficiente para completar la operación.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>El archivo .EXE no es válido
(no es un .EXE de Win32 o la imagen .EXE tiene un error).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Se produjo una infracción de uso compartido. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>La asociación del nombre de archivo
está incompleta o no es válida.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>La transacción DDE no se pudo
completar porque la solicitud excedió el tiempo de espera.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>La transacción DDE falló.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>La transacción DDE no se pudo
completar porque se estaban procesando
otras transacciones DDE.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>No hay ninguna aplicación asociada
con la extensión de archivo indicada.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>No se encontró la biblioteca de vínculos dinámicos especificada.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Se produjo un error desconocido (%1).</translation>
    </message>
    <message>
        <source>Unable to open hyperlink:</source>
        <translation>No se puede abrir el enlace:</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Heat load of the system</source>
        <translation>Carga térmica del sistema</translation>
    </message>
    <message>
        <source>%1 (N2 at delta p %2)</source>
        <translation>%1 (N2 a delta p %2)</translation>
    </message>
    <message>
        <source>Input Data: </source>
        <translation>Datos de entrada: </translation>
    </message>
    <message>
        <source>Refrigerant</source>
        <translation>Refrigerante</translation>
    </message>
    <message>
        <source>Evaporating temperature</source>
        <translation>Temperatura de evaporación</translation>
    </message>
    <message>
        <source>Condensing temperature</source>
        <translation>Temperatura de condensación</translation>
    </message>
    <message>
        <source>Return gas temperature</source>
        <translation>Temperatura del gas de aspiración</translation>
    </message>
    <message>
        <source>Cannot calculate tube data. Invalid input.</source>
        <translation>No se pueden calcular los datos del tubo. Entrada no válida.</translation>
    </message>
    <message>
        <source>Capillary Tube Recommendation: </source>
        <translation>Tubo capilar recomendado: </translation>
    </message>
    <message>
        <source>Flow Rate</source>
        <translation>Caudal</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Diámetro</translation>
    </message>
    <message>
        <source>Optimal Selection:</source>
        <translation>Selección óptima:</translation>
    </message>
    <message>
        <source>A %1 length of %2 diameter tubing.</source>
        <translation>Tubo de %2 de diámetro y %1 de longitud.</translation>
    </message>
    <message>
        <source>Inner diameter</source>
        <translation>Diámetro interior</translation>
    </message>
</context>
<context>
    <name>Results</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>Heat load invalid</source>
        <translation>Carga térmica no válida</translation>
    </message>
    <message>
        <source>Evap temp invalid</source>
        <translation>Temp. de evaporación no válida</translation>
    </message>
    <message>
        <source>Return gas invalid</source>
        <translation>Temp. gas de aspiración no válida</translation>
    </message>
    <message>
        <source>Cond temp invalid</source>
        <translation>Temp. de condensación no válida</translation>
    </message>
    <message>
        <source>Refrigerant data invalid</source>
        <translation>Datos del refrigerante no válidos</translation>
    </message>
    <message>
        <source>no usable flow</source>
        <translation>sin caudal utilizable</translation>
    </message>
    <message>
        <source>No tube diameters</source>
        <translation>No hay diámetros de tubo</translation>
    </message>
    <message>
        <source>in the chosen list</source>
        <translation>en la lista elegida</translation>
    </message>
    <message>
        <source>No refrigerants</source>
        <translation>No hay refrigerantes</translation>
    </message>
    <message>
        <source>in Velnor.dkt</source>
        <translation>en Velnor.dkt</translation>
    </message>
    <message>
        <source>Tube invalid: the inner diameter and the length must be above 0</source>
        <translation>Tubo no válido: el diámetro interior y la longitud deben ser mayores que 0</translation>
    </message>
    <message>
        <source>No heat load: the refrigerant&apos;s flow correlation cannot be turned round at these temperatures</source>
        <translation>Sin carga térmica: la correlación de caudal del refrigerante no se puede invertir a estas temperaturas</translation>
    </message>
    <message>
        <source>Heat load invalid: the tube serves less than %1</source>
        <translation>Carga térmica no válida: el tubo cubre menos de %1</translation>
    </message>
    <message>
        <source>Heat load invalid: the tube serves more than %1</source>
        <translation>Carga térmica no válida: el tubo cubre más de %1</translation>
    </message>
</context>
<context>
    <name>Tube</name>
    <message>
        <source>Check a Tube</source>
        <translation>Comprobar un tubo</translation>
    </message>
    <message>
        <source>Inner diameter</source>
        <translation>Diámetro interior</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <source>%1 (%2):</source>
        <translation>%1 (%2):</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>Units</name>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Potencia</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Presión</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Diámetro</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>pulgadas</translation>
    </message>
    <message>
        <source>millimeters</source>
        <translation>milímetros</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <source>meters</source>
        <translation>metros</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Caudal</translation>
    </message>
    <message>
        <source>Europe</source>
        <translation>Europa</translation>
    </message>
    <message>
        <source>North America</source>
        <translation>Norteamérica</translation>
    </message>
    <message>
        <source>Standard tube diameter list</source>
        <translation>Diámetros de tubo estándar</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Flow Rate: %1 (N_2 at delta p %2)</source>
        <translation>Caudal: %1 (N_2 a delta p %2)</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>Database</source>
        <translation>Datos</translation>
    </message>
    <message>
        <source>Input Data</source>
        <translation>Datos de entrada</translation>
    </message>
    <message>
        <source>Capillary Tube Recommendation</source>
        <translation>Tubo capilar recomendado</translation>
    </message>
    <message>
        <source>Optimal selection is highlighted in green.</source>
        <translation>La selección óptima aparece resaltada en verde.</translation>
    </message>
    <message>
        <source>Refrigerant</source>
        <translation>Refrigerante</translation>
    </message>
    <message>
        <source>Heat load of the system</source>
        <translation>Carga térmica del sistema</translation>
    </message>
    <message>
        <source>Evaporating temperature</source>
        <translation>Temp. de evaporación</translation>
    </message>
    <message>
        <source>Condensing temperature</source>
        <translation>Temp. de condensación</translation>
    </message>
    <message>
        <source>Return gas temperature</source>
        <translation>Temp. gas de aspiración</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Unidades</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Homepage: %1</source>
        <translation>Página web: %1</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <source>Inner Diameter</source>
        <translation>Diámetro interior</translation>
    </message>
    <message>
        <source>Specify unit options</source>
        <translation>Elegir las unidades</translation>
    </message>
    <message>
        <source>Print current calculation</source>
        <translation>Imprimir el cálculo actual</translation>
    </message>
    <message>
        <source>Display help information</source>
        <translation>Mostrar la ayuda</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Acerca de...</translation>
    </message>
    <message>
        <source>&amp;Copy Results</source>
        <translation>&amp;Copiar resultados</translation>
    </message>
    <message>
        <source>Check a &amp;Tube...</source>
        <translation>Comprobar un &amp;tubo...</translation>
    </message>
</context>
</TS>
