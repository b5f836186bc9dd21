# A plan on the default terms with its events, in exact fractions, one row
# at a time: interest cut to whole units and the fractions carried, the last
# row paying the installment's rest. A repayment that lowers the
# installment, a new rate or whole installments suspended (their interest,
# compounded, added to the debt) work the installment out anew over the rows
# left; one that shortens the plan keeps it over the fewest rows that pay the
# rest, the last row then paying the debt left and every fraction carried; a
# suspended capital share, like the pre-amortisation, makes rows of interest
# only, the last of which settles the fraction carried. The expected figures
# of tests/test_scenario.cpp, of tests/test_piano.cpp's balloon and
# pre-amortisation and of the command line's shortened plan in
# tests/test_cli.cpp come from here: python3 modello_eventi.py
from fractions import Fraction as F
import math

def rata(d, m, i, X):
    if i == 0:
        return (d - X) / m
    v = 1 / (1 + i)
    return (d - X * v ** m) * i / (1 - v ** m)

# eventi: (row, 'estinzione', amount or None for all, 'rata'|'durata'),
# (row, 'variazione', annual rate) or (row, 'sospensione', installments,
# 'capitale'|'rata'); at one row a repayment comes first.
def piano(A, n, T, X=0, eventi=(), mesi=1, pre=0):
    d, X, i = F(A), F(X), F(T) * mesi / 1200
    R = rata(d, n, i, X)
    N, frazioni, totale, ridotto, ultimo, sospese, righe = pre + n, F(0), F(0), False, None, pre, []
    k = 0
    while k < N:
        k += 1
        esatti = d * i
        I = F(math.floor(esatti))
        frazioni += esatti - I
        if frazioni > 1:
            frazioni -= 1
            I += 1
        if sospese > 0:
            # Interest only (pre-amortisation or a suspension); the last
            # such row settles the fraction carried.
            sospese -= 1
            if sospese == 0 and frazioni > F(1, 10**6):
                frazioni -= 1
                I += 1
            C = 0
        elif k == N and ridotto:
            I, frazioni, C = I + frazioni, F(0), d
        elif k == N:
            I = R + X - d
            C = d
        else:
            C = R - I
        d -= C
        totale += I
        righe.append((I, C, d))
        for e in sorted((e for e in eventi if e[0] == k), key=lambda e: e[1]):
            if e[1] == 'estinzione':
                if e[2] is None:
                    return k, R, 0, totale, righe
                d -= F(e[2])
                if e[3] == 'rata':
                    R, ridotto = rata(d, N - max(k, pre), i, X), False
                elif i == 0:
                    N, ridotto = k + math.ceil((d - X) / R), True
                else:
                    r, resto = R - X * i, d - X
                    N = k + math.ceil(-math.log1p(-float(resto * i / r)) / math.log1p(float(i)) - 1e-9)
                    ridotto = True
            elif e[1] == 'sospensione' and e[3] == 'capitale':
                sospese, N = e[2], N + e[2]
            elif e[1] == 'sospensione':
                # The periods' interest, compounded, joins the debt.
                capitalizzati = d * ((1 + i) ** e[2] - 1)
                d += capitalizzati
                totale += capitalizzati
                R, ridotto = rata(d, N - max(k, pre), i, X), False
            else:
                i = F(e[2]).limit_denominator(10000) * mesi / 1200
                R, ridotto = rata(d, N - max(k, pre), i, X), False
            ultimo = (R, N - k)
    return N, ultimo[0] if ultimo else R, ultimo[1] if ultimo else 0, totale, righe

casi = [
    ('Zero, 3.000 dopo la 6a', (12000, 12, 0), [(6, 'estinzione', 3000, 'rata')]),
    ('Zero, 3.000 dopo la 6a, durata', (12000, 12, 0), [(6, 'estinzione', 3000, 'durata')]),
    ('Zero, 12 % dopo la 6a', (12000, 12, 0), [(6, 'variazione', 12)]),
    ('Cento, 20.000 dopo la 60a', (100000, 120, 5), [(60, 'estinzione', 20000, 'rata')]),
    ('Cento, 20.000 dopo la 60a, durata', (100000, 120, 5), [(60, 'estinzione', 20000, 'durata')]),
    ('Cento, tutto dopo la 60a', (100000, 120, 5), [(60, 'estinzione', None, 'rata')]),
    ('Cento, 7 % dopo la 60a', (100000, 120, 5), [(60, 'variazione', 7)]),
    ('Cento, 0 % dopo la 60a', (100000, 120, 5), [(60, 'variazione', 0)]),
    ('Cento, 10.000 e 3 % dopo la 60a, durata', (100000, 120, 5),
     [(60, 'variazione', 3), (60, 'estinzione', 10000, 'durata')]),
    ('Balloon, 20.000 dopo la 60a, durata', (100000, 120, 3, 30000), [(60, 'estinzione', 20000, 'durata')]),
    ('Balloon, 20.000 dopo la 60a', (100000, 120, 3, 30000), [(60, 'estinzione', 20000, 'rata')]),
    ('Cento, 20.000 dopo la 60a, durata, 5.000 dopo la 70a', (100000, 120, 5),
     [(60, 'estinzione', 20000, 'durata'), (70, 'estinzione', 5000, 'rata')]),
]
for nome, mutuo, eventi in casi:
    righe, nuova, residue, interessi, _ = piano(*mutuo, eventi=eventi)
    print('%s: %d righe, nuova rata %.10f, %d rate residue, interessi %.9f'
          % (nome, righe, float(nuova), residue, float(interessi)))
righe = piano(10000, 12, 5, eventi=[(3, 'estinzione', 1000, 'durata')])[4]
print('10.000 a 5 %% in 12 rate, 1.000 dopo la 3a, durata: interessi della rata 11 = %.6f' % float(righe[10][0]))
sospensioni = [
    ('150.000 a 3,75 %, 6 rate intere dopo la 24a', (150000, 240, F(375, 100)), (24, 'sospensione', 6, 'rata'), 1),
    ('150.000 a 3,75 %, 6 quote capitale dopo la 24a', (150000, 240, F(375, 100)),
     (24, 'sospensione', 6, 'capitale'), 1),
    ('100.000 al 5 % annuale, 2 quote capitale dopo la 3a', (100000, 10, 5), (3, 'sospensione', 2, 'capitale'), 12),
]
for nome, mutuo, evento, mesi in sospensioni:
    righe, nuova, residue, interessi, _ = piano(*mutuo, eventi=[evento], mesi=mesi)
    print('%s: %d righe, nuova rata %.10f, interessi %.9f' % (nome, righe, float(nuova), float(interessi)))
for nome, mutuo in [('Cento', (100000, 120, 5)), ('Balloon', (100000, 120, 3, 30000))]:
    _, R, _, interessi, righe = piano(*mutuo)
    print('%s senza eventi: rata %.10f, interessi %.9f, ultima riga %.9f di interessi e %.9f di capitale'
          % (nome, float(R), float(interessi), float(righe[-1][0]), float(righe[-1][1])))
# Twelve rows of interest only on 100.000 at 3 % over 120 (tests/test_piano.cpp,
# Preammortamento), and events among them.
for nome, eventi in [('senza eventi', []), ('4 % dopo la 6a', [(6, 'variazione', 4)]),
                     ('10.000 dopo la 6a', [(6, 'estinzione', 10000, 'rata')])]:
    _, R, _, interessi, righe = piano(100000, 120, 3, eventi=eventi, pre=12)
    print('12 rate di preammortamento, %s: rata %.10f, interessi %.9f' % (nome, float(R), float(interessi)))
# Rate changes the plan cannot take (tests/test_scenario.cpp, EventiRifiutati):
# the first row whose capital or interest share is negative.
instabili = [
    ('10.000 al 5 % annuale in 120, 99 % dopo la 2a', (10000, 120, 5), [(2, 'variazione', 99)]),
    ('150.000 al 5 % annuale in 48, 40 % dopo la 5a', (150000, 48, 5), [(5, 'variazione', 40)]),
    ('lo stesso, 1.000 dopo la 2a', (150000, 48, 5), [(2, 'estinzione', 1000, 'rata'), (5, 'variazione', 40)]),
]
for nome, mutuo, eventi in instabili:
    righe = piano(*mutuo, eventi=eventi, mesi=12)[4]
    k, (I, C, d) = next((k, r) for k, r in enumerate(righe, 1) if r[0] < 0 or r[1] < 0)
    print('%s: rata %d, interessi %.6f, capitale %.6f' % (nome, k, float(I), float(C)))
righe = piano(F(6389626, 100), 330, F(3985, 100), mesi=12, pre=3)[4]
k, (I, C, d) = next((k, r) for k, r in enumerate(righe, 1) if r[1] < 0)
print('63.896,26 al 39,85 %% annuale in 330, 3 di preammortamento (tests/test_piano.cpp): rata %d, capitale %.2f'
      % (k, float(C)))
righe = piano(1776367, 307, F(465, 10), eventi=[(1, 'variazione', F(4649, 100))])[4]
print('1.776.367 al 46,5 %% in 307, 46,49 %% dopo la 1a: debito %.2f e %.2f dopo le rate 3 e 4'
      % (float(righe[2][2]), float(righe[3][2])))
