/*
 * TIPO_ERRO_DECLARACAO: the text and kind of every rule message the program
 * quotes by code. TP_ERRO "E" is an error (a finding of this kind marks the
 * declaration as having errors and keeps it from being generated), "A" is a
 * warning.
 *
 * Data of version 0.3.2.4. The update script IBSQL_0325_ERRO (run for data
 * 0.3.2.4 and 0.3.2.5) adds 321 and 322, and IBSQL_0326_ERRO (0.3.2.4 to
 * 0.3.2.6) gives 316 its present text, "Descrição da ocorrência não
 * preenchida.".
 */
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (12,  'Número de Inscrição Estadual inválido.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (38,  'O Valor do ICMS abatido deve ser maior que zero.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (47,  'O Valor Compensado deve ser maior que zero.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (52,  'O Valor Transferido deve ser maior que zero.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (56,  'O Valor Recebido deve ser maior que zero.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (200, 'Representante Legal não informado.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (201, 'Há Entradas Interestaduais em Operações Próprias, mas a subficha Entradas Interestaduais não foi preenchida.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (202, 'Valor Contábil das Entradas Interestaduais difere do das Operações Próprias.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (203, 'Base de Cálculo das Entradas Interestaduais difere da das Operações Próprias.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (204, 'Outras das Entradas Interestaduais difere de Isentas e não Tributadas + Outras das Operações Próprias.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (205, 'Petróleo e Energia + Outros Produtos das Entradas Interestaduais excede o Valor Contábil.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (206, 'Há Saídas Interestaduais em Operações Próprias, mas a subficha Saídas Interestaduais não foi preenchida.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (207, 'Valor Contábil das Saídas Interestaduais difere do das Operações Próprias.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (208, 'Base de Cálculo das Saídas Interestaduais difere da das Operações Próprias.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (209, 'Outras das Saídas Interestaduais difere de Isentas e não Tributadas + Outras das Operações Próprias.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (210, 'ICMS cobrado por Substituição Tributária excede o Valor Contábil das Saídas Interestaduais.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (211, 'Valor das Notas Fiscais da ZFM/ALC excede o Valor Contábil das Saídas Interestaduais.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (212, 'ICMS abatido da ZFM/ALC excede Isentas e não Tributadas das Saídas Interestaduais.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (213, 'Saldo Credor Anterior difere do saldo a transportar do período anterior.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (214, 'Saldo Credor Anterior (Substituição Tributária) difere do saldo a transportar do período anterior.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (223, 'O Valor Contábil deve ser maior que zero.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (224, 'O valor deve ser maior que zero.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (228, 'Pelo menos um dos valores deve ser informado.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (229, 'Número de Inscrição do destinatário inválido.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (230, 'Número de Inscrição do remetente inválido.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (231, 'CNPJ inválido.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (234, 'O Valor da Nota Fiscal deve ser maior que zero.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (237, 'O mês de referência ainda não começou.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (238, 'Mês de referência inválido.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (239, 'Ano de referência inválido.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (240, 'Já existe declaração deste contribuinte para este período.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (241, 'Período de referência anterior a outubro de 1997.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (242, 'Ficha Operações Próprias marcada sem movimento.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (243, 'Há lançamentos de Operações Próprias: a ficha não pode ficar sem movimento.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (244, 'Ficha Substituição Tributária Interna marcada sem movimento.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (245, 'Há lançamentos de Substituição Tributária: a ficha não pode ficar sem movimento.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (246, 'Ficha Outros ICMS Devidos marcada sem movimento.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (247, 'Há lançamentos de Outros ICMS Devidos: a ficha não pode ficar sem movimento.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (248, 'Ficha ZFM/ALC marcada sem movimento.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (249, 'Há lançamentos de ZFM/ALC: a ficha não pode ficar sem movimento.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (250, 'Prazos Especiais excedem o Imposto a Recolher.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (251, 'Prazos Especiais informados sem Imposto a Recolher.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (252, 'Data inválida.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (253, 'Este dado complementar não deve ser preenchido.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (254, 'Período inválido (mm/aaaa).', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (255, 'Número do banco inválido.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (256, 'Número de processo inválido (E99-999999/9999).', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (257, 'Número do Auto de Infração inválido.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (261, 'Data posterior à data atual.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (262, 'Número de processo inválido (E99-999999/9999).', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (263, 'Ano do período fora do intervalo permitido.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (264, 'Ano do processo fora do intervalo permitido.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (265, 'Número da Certidão da Dívida Ativa inválido.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (266, 'Número da Nota Fiscal não informado.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (269, 'Não foi possível gerar o arquivo para transmissão.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (270, 'Compensações e transferências excedem Outros Débitos (N020014).', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (271, 'Saldos recebidos excedem Outros Créditos (N070032).', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (272, 'Ficha ZFM/ALC sem lançamentos e não marcada sem movimento.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (273, 'Ficha Operações Próprias sem lançamentos e não marcada sem movimento.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (274, 'Ficha Substituição Tributária sem lançamentos e não marcada sem movimento.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (275, 'Ficha Outros ICMS Devidos sem lançamentos e não marcada sem movimento.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (276, 'Nº de Inscrição SUFRAMA do destinatário não informado.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (278, 'Finalidade do destinatário não informada.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (279, 'Nome do Representante Legal não informado.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (280, 'Telefone do Representante Legal não informado.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (281, 'DDD do Representante Legal não informado.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (282, 'Nome do Contabilista não informado.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (283, 'Telefone do Contabilista não informado.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (284, 'DDD do Contabilista não informado.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (285, 'Somente declaração já gerada para transmissão pode ser retificada.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (286, 'Ficha Outros ICMS Devidos não se aplica a períodos até 2001.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (287, 'Ficha ZFM/ALC não se aplica a períodos até 2001.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (288, 'Ficha Operações Interestaduais não se aplica a períodos até 2001.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (289, 'Ficha Saldo Credor de Exportação aplica-se a partir de abril de 2002.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (290, 'CFOP inválido para este período ou já informado.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (291, 'Ocorrência inválida.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (292, 'Finalidade inválida.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (293, 'O Imposto Retido não pode ser maior que a Base de Cálculo.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (294, 'Número da Declaração de Importação inválido.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (296, 'O destinatário da transferência não pode ser o próprio declarante.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (297, 'Transferência de saldo credor para o próprio declarante.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (298, 'Créditos vinculados à exportação sem Saídas para o Exterior.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (300, 'Erro na consulta ao banco de dados.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (302, 'Compensações e transferências excedem o saldo credor de exportação disponível.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (303, 'Saldo Credor Anterior de Exportação excede o Saldo Credor Anterior das Operações Próprias.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (304, 'Provisão excede o Saldo Credor Anterior de Exportação + Saldo do período.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (305, 'Provisão excede o Saldo para o próximo período.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (306, 'Tipo de período inválido (1 a 4).', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (307, 'Data fora do mês de referência.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (308, 'O350008 e N140010 devem ser informados em conjunto.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (309, 'O350008 difere de N140010.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (310, 'S140001 informado sem O350011.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (311, 'S140001 difere de O350011.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (312, 'Valor de Base de Cálculo inválido.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (314, 'Dia da data incompatível com o tipo de período.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (315, 'Tipo de Declaração de Importação inválido (D ou O).', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (316, 'Descrição da ocorrência não informada.', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (317, 'Ocorrência de importação sem o tipo de declaração (Dado 2).', 'E');
INSERT INTO TIPO_ERRO_DECLARACAO VALUES (318, 'CFOP informado com Valor Contábil zero.', 'A');

COMMIT;
