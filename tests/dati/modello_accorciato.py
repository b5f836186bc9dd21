# A plan shortened by a repayment, in exact fractions, one row at a time:
# interest cut to whole units and the fractions carried, the installment
# kept after the repayment, the last row paying the debt left and every
# fraction still carried. The expected totals of tests/test_scenario.cpp
# (a shorter plan, with and without a balloon) and row 11 of the command
# line's case in tests/test_cli.cpp come from here: python3 modello_accorciato.py
from fractions import Fraction as F
import math

def accorciato(A, n, T, k, rimborso, X=0):
    i = F(T) / 100 / 12
    d, X = F(A), F(X)
    R = d * i + (d - X) * i / ((1 + i) ** n - 1)
    frazioni, totale, N, ridotto, righe = F(0), F(0), n, False, []
    j = 0
    while j < N:
        j += 1
        esatti = d * i
        I = F(math.floor(esatti))
        frazioni += esatti - I
        if frazioni > 1:
            frazioni -= 1
            I += 1
        if j == N and ridotto:
            I, frazioni, C = I + frazioni, F(0), d
        else:
            rata = R + (X if j == N else 0)
            if j == N:
                I = rata - d
            C = rata - I
        d -= C
        totale += I
        righe.append((I, C, d))
        if j == k:
            d -= rimborso
            # The fewest installments of the same amount that pay the rest.
            r, resto = R - X * i, d - X
            N = k + math.ceil(-math.log1p(-float(resto * i / r)) / math.log1p(float(i)) - 1e-9)
            ridotto = True
    return totale, righe

print('10.000 a 5 %% in 12 rate, 1.000 dopo la 3a: interessi della rata 11 = %.6f' % float(accorciato(10000, 12, 5, 3, 1000)[1][10][0]))
print('100.000 a 5 %% in 120 rate, 20.000 dopo la 60a: interessi %.9f' % float(accorciato(100000, 120, 5, 60, 20000)[0]))
print('100.000 a 3 %% in 120 rate, maxi-rata 30.000, 20.000 dopo la 60a: interessi %.9f'
      % float(accorciato(100000, 120, 3, 60, 20000, 30000)[0]))
