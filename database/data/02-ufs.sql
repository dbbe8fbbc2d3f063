/*
 * UFS: the 27 federative units, keyed by their IBGE codes.
 * Data of version 0.3.2.4; no update script touches this table.
 */
INSERT INTO UFS (CO_UF, NO_UF, SG_UF) VALUES (11, 'Rondônia', 'RO');
INSERT INTO UFS (CO_UF, NO_UF, SG_UF) VALUES (12, 'Acre', 'AC');
INSERT INTO UFS (CO_UF, NO_UF, SG_UF) VALUES (13, 'Amazonas', 'AM');
INSERT INTO UFS (CO_UF, NO_UF, SG_UF) VALUES (14, 'Roraima', 'RR');
INSERT INTO UFS (CO_UF, NO_UF, SG_UF) VALUES (15, 'Pará', 'PA');
INSERT INTO UFS (CO_UF, NO_UF, SG_UF) VALUES (16, 'Amapá', 'AP');
INSERT INTO UFS (CO_UF, NO_UF, SG_UF) VALUES (17, 'Tocantins', 'TO');
INSERT INTO UFS (CO_UF, NO_UF, SG_UF) VALUES (21, 'Maranhão', 'MA');
INSERT INTO UFS (CO_UF, NO_UF, SG_UF) VALUES (22, 'Piauí', 'PI');
INSERT INTO UFS (CO_UF, NO_UF, SG_UF) VALUES (23, 'Ceará', 'CE');
INSERT INTO UFS (CO_UF, NO_UF, SG_UF) VALUES (24, 'Rio Grande do Norte', 'RN');
INSERT INTO UFS (CO_UF, NO_UF, SG_UF) VALUES (25, 'Paraíba', 'PB');
INSERT INTO UFS (CO_UF, NO_UF, SG_UF) VALUES (26, 'Pernambuco', 'PE');
INSERT INTO UFS (CO_UF, NO_UF, SG_UF) VALUES (27, 'Alagoas', 'AL');
INSERT INTO UFS (CO_UF, NO_UF, SG_UF) VALUES (28, 'Sergipe', 'SE');
INSERT INTO UFS (CO_UF, NO_UF, SG_UF) VALUES (29, 'Bahia', 'BA');
INSERT INTO UFS (CO_UF, NO_UF, SG_UF) VALUES (31, 'Minas Gerais', 'MG');
INSERT INTO UFS (CO_UF, NO_UF, SG_UF) VALUES (32, 'Espírito Santo', 'ES');
INSERT INTO UFS (CO_UF, NO_UF, SG_UF) VALUES (33, 'Rio de Janeiro', 'RJ');
INSERT INTO UFS (CO_UF, NO_UF, SG_UF) VALUES (35, 'São Paulo', 'SP');
INSERT INTO UFS (CO_UF, NO_UF, SG_UF) VALUES (41, 'Paraná', 'PR');
INSERT INTO UFS (CO_UF, NO_UF, SG_UF) VALUES (42, 'Santa Catarina', 'SC');
INSERT INTO UFS (CO_UF, NO_UF, SG_UF) VALUES (43, 'Rio Grande do Sul', 'RS');
INSERT INTO UFS (CO_UF, NO_UF, SG_UF) VALUES (50, 'Mato Grosso do Sul', 'MS');
INSERT INTO UFS (CO_UF, NO_UF, SG_UF) VALUES (51, 'Mato Grosso', 'MT');
INSERT INTO UFS (CO_UF, NO_UF, SG_UF) VALUES (52, 'Goiás', 'GO');
INSERT INTO UFS (CO_UF, NO_UF, SG_UF) VALUES (53, 'Distrito Federal', 'DF');

COMMIT;
