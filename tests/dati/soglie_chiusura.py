# The first annual rate, in hundredths of a percent, at which a plan on the
# default terms (interest cut to whole units, the fractions carried, the
# last row settling the rest) can no longer close on its last row: a row
# would show negative interest, or the debt would be paid before the last
# row. A model of the rows apart from the program's, in the same doubles:
# python3 soglie_chiusura.py > soglie_chiusura.txt (some ten seconds)
import math, sys
MESI = {'mensile': 1, 'bimestrale': 2, 'trimestrale': 3, 'quadrimestrale': 4, 'semestrale': 6, 'annuale': 12}

def chiude(A, n, centesimi_di_tasso, cadenza):
    i = centesimi_di_tasso / 100 / 100 / (12 // MESI[cadenza])
    R = A * i + A * i / ((1 + i) ** n - 1) if i > 0 else A / n
    pagato = 0.0
    frazioni = 0.0
    for k in range(1, n + 1):
        d = A - pagato
        esatti = d * i
        I = math.floor(esatti)
        frazioni += esatti - I
        if frazioni > 1:
            frazioni -= 1
            I += 1
        if k == n:
            I = R - d
        C = R - I
        if d < C:
            I += C - d
            C = R - I
        if not I * 100 > -0.5:
            return False
        if k < n and abs(A - (pagato + C)) < 1e-12 * max(1.0, A):
            return False
        pagato += C
    return True

casi = [(150000, 240, 'mensile'), (150000, 360, 'mensile'), (150000, 999, 'mensile'), (150000, 120, 'annuale'),
        (150000, 240, 'annuale'), (200000, 360, 'mensile'), (100000, 300, 'mensile'), (1000, 120, 'mensile'),
        (50, 120, 'mensile')]
print('# importo rate cadenza: the first rate refused, and the one from which every rate up to 99 % is')
for A, n, cad in casi:
    chiusi = [chiude(A, n, t, cad) for t in range(1, 9901)]
    primo = chiusi.index(False) + 1
    tutti = max(t for t in range(1, 9901) if chiusi[t - 1]) + 1
    print(A, n, cad, *('%d,%02d' % (t // 100, t % 100) for t in (primo, tutti)))
