UPDATE TIPO_ERRO_DECLARACAO SET TX_MENSAGEM = 'Descrição da ocorrência não preenchida.' WHERE CO_ERRO = 316
