/*
 * CG_REF_CODES, domain "D TP COMPLEMENTO": the types of the complementary
 * data of a legal ground (FUNDAMENTACAO_LEGAL_DEF_HIST.TP_DADO_COMPLEMENTAR_n).
 * The checks depend on the letter only, RV_MEANING is shown beside the datum
 * ("Base de Cálculo" is also compared as text by the other-ICMS page) and
 * RV_FORMAT is the entry hint under the field.
 * Data of version 0.3.2.4; no update script inserts these rows (the
 * updater carries them as ibSQLCodes, which no version runs).
 */
INSERT INTO CG_REF_CODES (RV_DOMAIN, RV_LOW_VALUE, RV_ABBREVIATION, RV_MEANING, RV_FORMAT) VALUES ('D TP COMPLEMENTO', 'A', 'AI', 'Auto de Infração', 'Formato: 999999999');
INSERT INTO CG_REF_CODES (RV_DOMAIN, RV_LOW_VALUE, RV_ABBREVIATION, RV_MEANING, RV_FORMAT) VALUES ('D TP COMPLEMENTO', 'B', 'Banco', 'Nº do Banco', 'Formato: 999');
INSERT INTO CG_REF_CODES (RV_DOMAIN, RV_LOW_VALUE, RV_ABBREVIATION, RV_MEANING, RV_FORMAT) VALUES ('D TP COMPLEMENTO', 'C', 'Cert. DA', 'Cert. da Dívida Ativa', 'Formato: 999999999999');
INSERT INTO CG_REF_CODES (RV_DOMAIN, RV_LOW_VALUE, RV_ABBREVIATION, RV_MEANING, RV_FORMAT) VALUES ('D TP COMPLEMENTO', 'D', 'Data de Pagamento', 'Data de Pagamento', 'Formato: dd/mm/aaaa');
INSERT INTO CG_REF_CODES (RV_DOMAIN, RV_LOW_VALUE, RV_ABBREVIATION, RV_MEANING, RV_FORMAT) VALUES ('D TP COMPLEMENTO', 'I', 'DI/DSI', 'Decl. de Importação', 'Formato: 9999999999');
INSERT INTO CG_REF_CODES (RV_DOMAIN, RV_LOW_VALUE, RV_ABBREVIATION, RV_MEANING, RV_FORMAT) VALUES ('D TP COMPLEMENTO', 'L', 'Legisl. Tributária', 'Legislação Tributária', NULL);
INSERT INTO CG_REF_CODES (RV_DOMAIN, RV_LOW_VALUE, RV_ABBREVIATION, RV_MEANING, RV_FORMAT) VALUES ('D TP COMPLEMENTO', 'O', 'Desc. Ocorrência', 'Desc. da Ocorrência', NULL);
INSERT INTO CG_REF_CODES (RV_DOMAIN, RV_LOW_VALUE, RV_ABBREVIATION, RV_MEANING, RV_FORMAT) VALUES ('D TP COMPLEMENTO', 'P', 'Processo', 'Nº do Processo', 'Formato: E99-999999/9999');
INSERT INTO CG_REF_CODES (RV_DOMAIN, RV_LOW_VALUE, RV_ABBREVIATION, RV_MEANING, RV_FORMAT) VALUES ('D TP COMPLEMENTO', 'Q', 'Nº Dl/Outros', 'Nº Decl. Importação/Outros', 'Nº Decl. Importação/Outros: 9999999999(Decl. de Importação) ou diferente de branco(Outros)');
INSERT INTO CG_REF_CODES (RV_DOMAIN, RV_LOW_VALUE, RV_ABBREVIATION, RV_MEANING, RV_FORMAT) VALUES ('D TP COMPLEMENTO', 'R', 'Período Apuração', 'Período de Apuração', 'Formato: mm/aaaa');
INSERT INTO CG_REF_CODES (RV_DOMAIN, RV_LOW_VALUE, RV_ABBREVIATION, RV_MEANING, RV_FORMAT) VALUES ('D TP COMPLEMENTO', 'T', 'Tipo Período', 'Tipo de Período', 'Formato: 1(no mês), 2(no decêndio), 3(no dia) ou 4(no doc. fiscal)');
INSERT INTO CG_REF_CODES (RV_DOMAIN, RV_LOW_VALUE, RV_ABBREVIATION, RV_MEANING, RV_FORMAT) VALUES ('D TP COMPLEMENTO', 'V', 'Base Cálculo', 'Base de Cálculo', NULL);
INSERT INTO CG_REF_CODES (RV_DOMAIN, RV_LOW_VALUE, RV_ABBREVIATION, RV_MEANING, RV_FORMAT) VALUES ('D TP COMPLEMENTO', 'W', 'Data Início Período', 'Data de Início do Período', 'Formato: dd/mm/aaaa');
INSERT INTO CG_REF_CODES (RV_DOMAIN, RV_LOW_VALUE, RV_ABBREVIATION, RV_MEANING, RV_FORMAT) VALUES ('D TP COMPLEMENTO', 'X', 'Tipo Decl Importação', 'Tipo Decl. Importação', 'Formato: D(Decl. de Importação) ou O(Outros)');
INSERT INTO CG_REF_CODES (RV_DOMAIN, RV_LOW_VALUE, RV_ABBREVIATION, RV_MEANING, RV_FORMAT) VALUES ('D TP COMPLEMENTO', 'Y', 'Data Desembaraço', 'Data do Desembaraço', 'Formato: dd/mm/aaaa');

COMMIT;
