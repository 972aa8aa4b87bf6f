<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>About</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Sizing method and data by the</source>
        <translation>Método e dados pela equipe</translation>
    </message>
    <message>
        <source>Kestrin application engineers.</source>
        <translation>de engenharia da Kestrin.</translation>
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
        <translation>Compressor</translation>
    </message>
    <message>
        <source>Suction line</source>
        <translation>Sucção</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Help Info</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Visit Kestrin on the Web</source>
        <translation>Visite a Kestrin na Web</translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation>Aviso legal</translation>
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
        <translation>o arquivo não existe.</translation>
    </message>
    <message>
        <source>it is not a regular file.</source>
        <translation>não é um arquivo comum.</translation>
    </message>
    <message>
        <source>it is unreadable (%1).</source>
        <translation>não pode ser lido (%1).</translation>
    </message>
    <message>
        <source>it is not a Velnor database.</source>
        <translation>não é um banco de dados do Velnor.</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>Não foi possível ler %1: %2</translation>
    </message>
    <message>
        <source>Settings are not kept: %1 is not an ordinary file. It is left as it is, and this run saves nothing.</source>
        <translation>As configurações não são mantidas: %1 não é um arquivo comum. Ele fica como está, e esta execução não salva nada.</translation>
    </message>
    <message>
        <source>Settings are not kept: %1 is too large for a settings file. It is left as it is, and this run saves nothing.</source>
        <translation>As configurações não são mantidas: %1 é grande demais para um arquivo de configurações. Ele fica como está, e esta execução não salva nada.</translation>
    </message>
    <message>
        <source>Settings are not kept: %1 cannot be read (%2). It is left as it is, and this run saves nothing.</source>
        <translation>As configurações não são mantidas: %1 não pode ser lido (%2). Ele fica como está, e esta execução não salva nada.</translation>
    </message>
    <message>
        <source>Settings are not kept: %1 is damaged, and no backup copy of it can be made. It is left as it is, and this run saves nothing.</source>
        <translation>As configurações não são mantidas: %1 está danificado, e não é possível fazer uma cópia de segurança dele. Ele fica como está, e esta execução não salva nada.</translation>
    </message>
    <message>
        <source>Settings could not be saved: %1 is locked by another program.</source>
        <translation>Não foi possível salvar as configurações: %1 está bloqueado por outro programa.</translation>
    </message>
    <message>
        <source>Settings could not be saved: %1 is read-only.</source>
        <translation>Não foi possível salvar as configurações: %1 é somente leitura.</translation>
    </message>
    <message>
        <source>Settings could not be saved: the folder %1 cannot be made.</source>
        <translation>Não foi possível salvar as configurações: não é possível criar a pasta %1.</translation>
    </message>
    <message>
        <source>Settings could not be saved to %1: %2.</source>
        <translation>Não foi possível salvar as configurações em %1: %2.</translation>
    </message>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>O sistema operacional está sem
memória ou sem recursos.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>O arquivo especificado não foi encontrado.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>O caminho especificado não foi encontrado.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>O sistema operacional negou o acesso
ao arquivo especificado.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>Não havia memória suficiente para concluir a operação.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>O arquivo .EXE é inválido
(não é um .EXE Win32 ou há erro na imagem .EXE).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Ocorreu uma violação de compartilhamento. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>A associação do nome de arquivo
está incompleta ou é inválida.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>A transação DDE não pôde
ser concluída porque a solicitação expirou.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>A transação DDE falhou.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>A transação DDE não pôde
ser concluída porque outras transações DDE
estavam sendo processadas.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Não há nenhum aplicativo associado
à extensão de arquivo informada.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>A biblioteca de vínculo dinâmico especificada não foi encontrada.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Ocorreu um erro desconhecido (%1).</translation>
    </message>
    <message>
        <source>Unable to open hyperlink:</source>
        <translation>Não foi possível abrir o link:</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Heat load of the system</source>
        <translation>Carga térmica do sistema</translation>
    </message>
    <message>
        <source>%1 (N2 at delta p %2)</source>
        <translation>%1 (N2 a delta p %2)</translation>
    </message>
    <message>
        <source>Input Data: </source>
        <translation>Dados de entrada: </translation>
    </message>
    <message>
        <source>Refrigerant</source>
        <translation>Refrigerante</translation>
    </message>
    <message>
        <source>Evaporating temperature</source>
        <translation>Temperatura de evaporação</translation>
    </message>
    <message>
        <source>Condensing temperature</source>
        <translation>Temperatura de condensação</translation>
    </message>
    <message>
        <source>Return gas temperature</source>
        <translation>Temperatura do gás de sucção</translation>
    </message>
    <message>
        <source>Cannot calculate tube data. Invalid input.</source>
        <translation>Não é possível calcular os dados do tubo. Entrada inválida.</translation>
    </message>
    <message>
        <source>Capillary Tube Recommendation: </source>
        <translation>Tubo capilar recomendado: </translation>
    </message>
    <message>
        <source>Flow Rate</source>
        <translation>Vazão</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Comprimento</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Diâmetro</translation>
    </message>
    <message>
        <source>Optimal Selection:</source>
        <translation>Seleção ideal:</translation>
    </message>
    <message>
        <source>A %1 length of %2 diameter tubing.</source>
        <translation>Tubo de %2 de diâmetro com %1 de comprimento.</translation>
    </message>
    <message>
        <source>Inner diameter</source>
        <translation>Diâmetro interno</translation>
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
        <translation>Carga térmica inválida</translation>
    </message>
    <message>
        <source>Evap temp invalid</source>
        <translation>Temp. de evaporação inválida</translation>
    </message>
    <message>
        <source>Return gas invalid</source>
        <translation>Temp. gás de sucção inválida</translation>
    </message>
    <message>
        <source>Cond temp invalid</source>
        <translation>Temp. de condensação inválida</translation>
    </message>
    <message>
        <source>Refrigerant data invalid</source>
        <translation>Dados do refrigerante inválidos</translation>
    </message>
    <message>
        <source>no usable flow</source>
        <translation>sem vazão utilizável</translation>
    </message>
    <message>
        <source>No tube diameters</source>
        <translation>Nenhum diâmetro de tubo</translation>
    </message>
    <message>
        <source>in the chosen list</source>
        <translation>na lista escolhida</translation>
    </message>
    <message>
        <source>No refrigerants</source>
        <translation>Nenhum refrigerante</translation>
    </message>
    <message>
        <source>in Velnor.dkt</source>
        <translation>em Velnor.dkt</translation>
    </message>
    <message>
        <source>Tube invalid: the inner diameter and the length must be above 0</source>
        <translation>Tubo inválido: o diâmetro interno e o comprimento devem ser maiores que 0</translation>
    </message>
    <message>
        <source>No heat load: the refrigerant&apos;s flow correlation cannot be turned round at these temperatures</source>
        <translation>Sem carga térmica: a correlação de vazão do refrigerante não pode ser invertida nestas temperaturas</translation>
    </message>
    <message>
        <source>Heat load invalid: the tube serves less than %1</source>
        <translation>Carga térmica inválida: o tubo atende menos de %1</translation>
    </message>
    <message>
        <source>Heat load invalid: the tube serves more than %1</source>
        <translation>Carga térmica inválida: o tubo atende mais de %1</translation>
    </message>
</context>
<context>
    <name>Tube</name>
    <message>
        <source>Check a Tube</source>
        <translation>Verificar um tubo</translation>
    </message>
    <message>
        <source>Inner diameter</source>
        <translation>Diâmetro interno</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Comprimento</translation>
    </message>
    <message>
        <source>%1 (%2):</source>
        <translation>%1 (%2):</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>Units</name>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Potência</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Pressão</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Diâmetro</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>polegadas</translation>
    </message>
    <message>
        <source>millimeters</source>
        <translation>milímetros</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Comprimento</translation>
    </message>
    <message>
        <source>meters</source>
        <translation>metros</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Vazão</translation>
    </message>
    <message>
        <source>Europe</source>
        <translation>Europa</translation>
    </message>
    <message>
        <source>North America</source>
        <translation>América do Norte</translation>
    </message>
    <message>
        <source>Standard tube diameter list</source>
        <translation>Diâmetros de tubo padrão</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Flow Rate: %1 (N_2 at delta p %2)</source>
        <translation>Vazão: %1 (N_2 a delta p %2)</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versão</translation>
    </message>
    <message>
        <source>Database</source>
        <translation>Dados</translation>
    </message>
    <message>
        <source>Input Data</source>
        <translation>Dados de entrada</translation>
    </message>
    <message>
        <source>Capillary Tube Recommendation</source>
        <translation>Tubo capilar recomendado</translation>
    </message>
    <message>
        <source>Optimal selection is highlighted in green.</source>
        <translation>A seleção ideal está destacada em verde.</translation>
    </message>
    <message>
        <source>Refrigerant</source>
        <translation>Refrigerante</translation>
    </message>
    <message>
        <source>Heat load of the system</source>
        <translation>Carga térmica do sistema</translation>
    </message>
    <message>
        <source>Evaporating temperature</source>
        <translation>Temp. de evaporação</translation>
    </message>
    <message>
        <source>Condensing temperature</source>
        <translation>Temp. de condensação</translation>
    </message>
    <message>
        <source>Return gas temperature</source>
        <translation>Temp. do gás de sucção</translation>
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
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Homepage: %1</source>
        <translation>Página inicial: %1</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Comprimento</translation>
    </message>
    <message>
        <source>Inner Diameter</source>
        <translation>Diâmetro interno</translation>
    </message>
    <message>
        <source>Specify unit options</source>
        <translation>Escolher as unidades</translation>
    </message>
    <message>
        <source>Print current calculation</source>
        <translation>Imprimir o cálculo atual</translation>
    </message>
    <message>
        <source>Display help information</source>
        <translation>Mostrar a ajuda</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Sobre...</translation>
    </message>
    <message>
        <source>&amp;Copy Results</source>
        <translation>&amp;Copiar resultados</translation>
    </message>
    <message>
        <source>Check a &amp;Tube...</source>
        <translation>Verificar um &amp;tubo...</translation>
    </message>
</context>
</TS>
