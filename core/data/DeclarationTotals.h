#pragma once
// The figures of a declaration that the auxiliary data module computes on
// request, one block per routine. Each routine clears and refills only its
// own block; amounts are exact money cut to hundredths.

#include "platform/base/Currency.h"

// Own operations.
struct TTotaisOperacoesProprias {
    Currency VlEntContabil, VlEntBaseCalculo, VlEntImposto, VlEntIsentas, VlEntOutras, VlEntBaseCalculoST,
        VlEntImpostoRetidoST;
    Currency VlEntInterContabil, VlEntInterBaseCalculo, VlEntInterIsentasOutras, VlEntInterImposto,
        VlEntInterIsentas, VlEntInterOutras, VlEntInterBaseCalculoST, VlEntInterImpostoRetidoST;
    Currency VlEntIEContabil, VlEntIEBaseCalculo, VlEntIEPetroleoEnergia, VlEntIEOutrosProdutos,
        VlEntIEOutras;
    Currency VlSaiContabil, VlSaiBaseCalculo, VlSaiImposto, VlSaiIsentas, VlSaiOutras, VlSaiBaseCalculoST,
        VlSaiImpostoRetidoST;
    Currency VlSaiInterContabil, VlSaiInterBaseCalculo, VlSaiInterImposto, VlSaiInterIsentas,
        VlSaiInterOutras, VlSaiInterBaseCalculoST, VlSaiInterImpostoRetidoST;
    Currency VlSaiIEContabilNaoCntb, VlSaiIEContabilCntb, VlSaiIEBaseCalculoNaoCntb, VlSaiIEBaseCalculoCntb,
        VlSaiIEOutras, VlSaiIEImpostoCobradoST;
    Currency VlALCNotaFiscal, VlALCIsentas;
    Currency VlPrazoEspecial, VlOutroCredito, VlEstornoDebito, VlOutroDebito, VlEstornoCredito, VlDeducao;
    Currency VlSaiInterIsentasOutras;
    Currency VlN140010;
};

// Export credit balance.
struct TTotaisSaldoCredorExportacao {
    Currency VlN020014, VlN070032, VlCompEstab, VlCompProprio, VlTransferencias, VlSaldoRecebido,
        VlSaldoPExterior, VlSCEImpostoEnt, VlTotalSaidas, VlSCEImpostoSai;
    Currency VlSCEOutCreditos, VlSCEOutDebitos, VlSCEEstCreditos, VlSCEEstDebitos;
    // Exports over all exits: rounded to five decimals, the fifth then dropped.
    Currency VlProporcao;
    Currency VlDebAjustado, VlCredAjustado, VlSaldoAjustPeriodo, VlSaldoPeriodo, VlSaldoProximoPeriodo;
    Currency VlSCEDeclarado;
    Currency VlDeducoesN14;
    int QtdSaldoCredor = 0;
};

// Tax substitution.
struct TTotaisSubstTributaria {
    Currency VlSTEntBaseCalculo, VlSTEntImpostoRetido, VlSTSaiBaseCalculo, VlSTSaiImpostoRetido;
    Currency VlSTPrazoEspecial, VlSTOutroCredito, VlSTEstornoDebito, VlSTOutroDebito, VlSTEstornoCredito,
        VlSTDeducao;
    Currency VlS140001;
};

// Other ICMS due.
struct TTotaisOutrosICMS {
    Currency VlO350008, VlO350011;
};

// Which blocks of the declaration hold data.
struct TResumoOperacoes {
    bool ComMovOperProp = false, ComMovSubstTribut = false, ComMovOutrosICMS = false, ComOpInter = false,
         ComMovALCZFM = false, ComSaldoAcumulado = false, ComSaldoRecebido = false;
};
