// Every text of the page in Polish (see language.js for the form of an entry). The program's
// own output is not here: it is the program's, byte for byte, and stays Polish in every
// language. "x^(10)" is a superscript.
export const polish = {
  // --- The page around the terminal -------------------------------------------------------
  'page.title': 'Kod BCH({codeLength},{informationLength})',
  'page.heading': 'Kod BCH({codeLength},{informationLength}): program w terminalu i objaśnienia',
  'languages.label': 'Język strony',
  'languages.pl': 'polski',
  'languages.en': 'angielski',
  'panes.label': 'Widok',
  'panes.terminal': 'Terminal',
  'panes.view': 'Objaśnienia',
  'terminal.label': 'Terminal',
  'terminal.line': 'Wiersz wpisywany do programu',
  'terminal.hint':
    'Enter wysyła wpisany wiersz do programu. „Zakończ dane” (Ctrl-D) wysyła ' +
    'wiersz bez znaku końca wiersza, a na pustym wierszu kończy dane wejściowe. Adres strony ' +
    'zapamiętuje sesję: „Kopiuj link” pozwala do niej wrócić.',
  'button.endInput': 'Zakończ dane (Ctrl-D)',
  'button.copyLink': 'Kopiuj link',
  'button.newRun': 'Nowe uruchomienie',
  'button.step': 'Dalej (Enter)',
  'button.toEnd': 'Do końca',
  'button.takeBack': 'Cofnij',
  'button.redo': 'Ponów',
  'button.save': 'Zapisz przebieg',
  'save.fileName': 'bch-przebieg.txt',
  'status.loading': 'Wczytywanie programu…',
  'status.ended':
    'Program zakończył działanie (kod wyjścia {code}). Przycisk „Nowe ' +
    'uruchomienie” uruchamia go od nowa.',
  'status.tooLong':
    'Ta sesja jest za długa, by zapisać ją w adresie: link i ponowne wczytanie ' +
    'strony jej nie odtworzą.',
  'status.copied': 'Link do tej sesji jest w schowku.',
  'status.notCopied': 'Nie udało się skopiować linku do schowka. Oto on: {link}',
  'status.pageError': 'Błąd strony: {error}. Ekran może nie odpowiadać temu, co wypisałby program.',
  'status.notRepeated': 'nowe uruchomienie nie powtórzyło poprzedniego wyjścia programu',
  'status.noProgram':
    'Nie można wczytać programu bch.wasm ({error}). Strona musi być podana ' +
    'przez serwer WWW (adres http://); z dysku działa plik bch.html.',
  'session.unknownVersion': 'Zapis sesji w adresie ma wersję {version}, której ta strona nie zna.',
  'session.notSession': 'Adres kończy się tekstem, który nie jest zapisem sesji.',
  'session.afterEnd':
    'Zapis sesji w adresie jest uszkodzony: coś po znaku końca danych „e” ' + '(znak {at} po „#”).',
  'session.unexpected':
    'Zapis sesji w adresie jest uszkodzony: nieoczekiwany znak „{sign}” ' + '(znak {at} po „#”).',
  'session.unended':
    'Zapis sesji w adresie jest uszkodzony: ostatnie dane bez zakończenia (znak ' + '{at} po „#”).',
  'session.badField': 'Zapis w adresie jest uszkodzony: nieznane pole „{field}”.',
  'session.badLanguage': 'Zapis w adresie jest uszkodzony: nieznany język „{language}”.',
  'session.restart': 'Zaczynam od pustej sesji.',

  // --- The view's head, legend and figures --------------------------------------------------
  'view.title': 'Objaśnienia',
  'legend.label': 'Oznaczenia',
  'legend.error': 'błąd: ramka',
  'legend.changed': 'bit zmieniany przez korekcję: podkreślenie',
  'legend.window': 'okno: niebieskie tło kolumn',
  'legend.nonBinary': 'wartość spoza 0 i 1: linia falista',
  'legend.current': 'przesunięcie, po którym program czeka na Enter: wyróżniony numer',
  'legend.trapped':
    'przesunięcie, po którym waga spadła do {correctableWeight} lub mniej: numer i waga w ramce',
  'legend.chart':
    'wykres: waga > {correctableWeight} kółko, waga ≤ {correctableWeight} kwadrat, ' +
    'próg {correctableWeight} linia przerywana',
  'figure.information': 'informacja 0–{last}',
  'figure.window': 'okno {first}–{last}',
  'chart.axis': 'przesunięcie k',
  'chart.label':
    'Waga syndromu: odebrany ciąg, potem kolejne przesunięcia: {weights}. Próg: ' + '{threshold}.',
  'why.link': 'Dlaczego?',
  'gloss.title': 'Wiersze programu',
  'gloss.intro': 'Program pisze po polsku, bez znaków diakrytycznych. Co znaczy każdy wiersz:',
  'gloss.informationPrompt': 'podaj słowo do wysłania ({informationLength} znaków „0” lub „1”)',
  'gloss.codeVector': 'zakodowany ciąg (wektor kodowy)',
  'gloss.errorPrompt': 'podaj błąd wprowadzony do wektora kodowego',
  'gloss.received': 'odebrany ciąg',
  'gloss.receivedSyndrome': 'syndrom odebranego ciągu',
  'gloss.weight': 'waga syndromu',
  'gloss.noCorrection': 'w ciągu informacyjnym nie ma błędu: nie trzeba korekcji',
  'gloss.correctionStart': 'w odebranym ciągu są błędy: zaczynam korekcję',
  'gloss.shifted': 'przesunięty ciąg',
  'gloss.shiftedSyndrome': 'syndrom (przesuniętego) ciągu odebranego',
  'gloss.pause': 'naciśnij Enter',
  'gloss.uncorrectable': 'ciągu nie da się skorygować',
  'gloss.corrected': 'koniec korekcji; skorygowany ciąg',
  'gloss.transmitted': 'nadany ciąg',
  'gloss.closing': 'koniec programu',

  // --- Where the run stands -------------------------------------------------------------------
  'now.information': 'Program czeka na słowo informacyjne: {informationLength} bitów, 0 lub 1.',
  'now.error':
    'Program czeka na wzorzec błędu: {codeLength} bitów, 1 tam, gdzie ma być błąd (pierwszy ' +
    'znak to pozycja 0).',
  'now.rotation': 'Przesunięcie {shift}: program czeka na Enter.',
  'now.closing': 'Koniec programu: czeka na ostatni Enter.',
  'now.ended': 'Program zakończył działanie.',
  'now.working': 'Program pracuje…',

  // --- Values other than 0 and 1 ------------------------------------------------------------
  'typed.character': '{position} („{character}” = {value})',
  'typed.byte': '{position} (bajt {byte} = {value})',

  // --- Encoding -------------------------------------------------------------------------------
  'encoding.title': 'Kodowanie',
  'encoding.parts':
    'Słowo informacyjne i(x) to {informationLength} bitów na pozycjach ' +
    '0–{informationLast}. Część kontrolna ({first}–{last}) to reszta z dzielenia i(x)·x^({generatorDegree}) przez g(x) = ' +
    '{generator}.',
  'encoding.positions':
    'Pozycje liczymy od 0 z lewej: pozycja p to współczynnik przy x^({highestDegree}−p).',
  'encoding.caption': 'c: wektor kodowy, jak go wydrukował program.',
  'encoding.default': 'Nie wpisano słowa: program wziął swoje słowo domyślne.',
  'encoding.nonBinary': {
    one:
      'W słowie informacyjnym wpisano wartość spoza 0 i 1 na pozycji {values}. Program bierze ' +
      'każdy znak jako liczbę (kod znaku − 48), koduje ją i drukuje w wektorze kodowym tak, jak ' +
      'jest; widok pokazuje wydrukowane cyfry bez zmian i mówi tylko to, co z nich wynika.',
    other:
      'W słowie informacyjnym wpisano wartości spoza 0 i 1 na pozycjach {values}. Program ' +
      'bierze każdy znak jako liczbę (kod znaku − 48), koduje ją i drukuje w wektorze kodowym ' +
      'tak, jak jest; widok pokazuje wydrukowane cyfry bez zmian i mówi tylko to, co z nich ' +
      'wynika.',
  },
  'encoding.differs':
    'Wpisane słowo nie zgadza się z początkiem wektora kodowego: widok ' +
    'pokazuje tylko wydrukowane cyfry.',

  // --- The error ------------------------------------------------------------------------------
  'error.title': 'Błąd',
  'error.caption':
    'c: wektor kodowy; e: wektor błędu (wzorzec dopełniony zerami lub obcięty do ' +
    '{codeLength} znaków); r = c + e: odebrany ciąg.',
  'error.noOnes': 'Wzorzec błędu nie ma jedynek.',
  'error.ones': {
    one: 'Jedynka wzorca błędu: pozycja {positions}.',
    other: 'Jedynki wzorca błędu: pozycje {positions}.',
  },
  'error.nonBinary': {
    one:
      'We wzorcu błędu wpisano wartość spoza 0 i 1 na pozycji {values}. Wzorca program nie ' +
      'drukuje: na każdej pozycji dodaje jego liczbę (kod znaku − 48) do wartości wektora ' +
      'kodowego i bierze resztę z dzielenia (e + c + 2) przez 2, która ma znak dzielnej (−3 + 0 ' +
      '+ 2 daje −1). Wynik stoi w wierszu r; błąd bitu jest tylko tam, gdzie r i c ' +
      'różnią się modulo 2.',
    other:
      'We wzorcu błędu wpisano wartości spoza 0 i 1 na pozycjach {values}. Wzorca program ' +
      'nie drukuje: na każdej pozycji dodaje jego liczbę (kod znaku − 48) do wartości wektora ' +
      'kodowego i bierze resztę z dzielenia (e + c + 2) przez 2, która ma znak dzielnej (−3 + 0 ' +
      '+ 2 daje −1). Wynik stoi w wierszu r; błąd bitu jest tylko tam, gdzie r i c ' +
      'różnią się modulo 2.',
  },
  'error.unsplit':
    'Tych wierszy nie da się jednoznacznie podzielić na {codeLength} pozycji, więc widok ' +
    'nie porównuje ich pozycja po pozycji.',
  'error.same': 'Odebrany ciąg jest równy wektorowi kodowemu.',
  'error.differs': {
    one: 'Odebrany ciąg różni się od wektora kodowego na pozycji {positions}: 1 błąd.',
    few: 'Odebrany ciąg różni się od wektora kodowego na pozycjach {positions}: {count} błędy.',
    many: 'Odebrany ciąg różni się od wektora kodowego na pozycjach {positions}: {count} błędów.',
    other: 'Odebrany ciąg różni się od wektora kodowego na pozycjach {positions}: {count} błędu.',
  },
  'error.notUnderOnes':
    'Różnice nie leżą dokładnie pod jedynkami wzorca: to skutek wartości ' +
    'spoza 0 i 1, które program dodaje jak liczby.',

  // --- The syndrome and its weight -------------------------------------------------------------
  'syndrome.title': 'Syndrom i waga',
  'syndrome.what':
    'Syndrom to reszta z dzielenia r(x) przez g(x): {parityLength} bitów, które stoją pod ' +
    'oknem {first}–{last}. Jego waga to liczba jedynek.',
  'syndrome.caption': 'r: odebrany ciąg; s: jego syndrom, pod pozycjami {first}–{last}.',
  'syndrome.correction': 'Waga {weight} > {correctableWeight}: program zaczyna korekcję.',
  'syndrome.correctionRule':
    'Przy najwyżej dwóch błędach to znak błędu w części informacyjnej: ' +
    'błędy stojące tylko w części kontrolnej mają syndrom równy wektorowi błędu, o wadze ' +
    'najwyżej {correctableWeight}.',
  'syndrome.noCorrection': 'Waga {weight} ≤ {correctableWeight}: program niczego nie poprawia.',
  'syndrome.noCorrectionRule':
    'Przy najwyżej dwóch błędach część informacyjna jest wtedy bez ' + 'błędu.',
  'syndrome.ruleFails':
    'Tu błędów jest {count}, więc ten warunek nie jest spełniony i wniosek ' + 'nie obowiązuje.',
  'syndrome.parityOnly': {
    one:
      'Błąd stoi tylko w części kontrolnej (pozycja {positions}). Program go nie poprawia, bo ' +
      'informacja dotarła cała.',
    other:
      'Błędy stoją tylko w części kontrolnej (pozycje {positions}). Program ich nie ' +
      'poprawia, bo informacja dotarła cała.',
  },
  'syndrome.parityOnlyShown': {
    one:
      'Błąd stoi tylko w części kontrolnej (pozycja {positions}): syndrom jest równy ' +
      'wektorowi błędu, jedynka pod błędem. Program go nie poprawia, bo informacja dotarła cała.',
    other:
      'Błędy stoją tylko w części kontrolnej (pozycje {positions}): syndrom jest równy ' +
      'wektorowi błędu, jedynki pod błędami. Program ich nie poprawia, bo informacja dotarła ' +
      'cała.',
  },
  'syndrome.missed': {
    one:
      'Odebrany ciąg różni się jednak od wektora kodowego w części informacyjnej (pozycja ' +
      '{positions}).',
    other:
      'Odebrany ciąg różni się jednak od wektora kodowego w części informacyjnej (pozycje ' +
      '{positions}).',
  },
  'syndrome.missedZero':
    'Syndrom jest zerowy: odebrany ciąg jest słowem kodowym, innym niż ' +
    'nadane, i błąd przeszedł niezauważony.',
  'syndrome.missedLight':
    'Syndrom nie jest zerowy, ale ma wagę {weight} ≤ {correctableWeight}, więc program ' +
    'uznał, że błędy stoją tylko w części kontrolnej.',
  'beyond.is': 'Błędów jest {count}, a kod gwarantuje poprawienie najwyżej dwóch.',
  'beyond.was': 'Błędów było {count}, a kod gwarantuje poprawienie najwyżej dwóch.',

  // --- Rotations -------------------------------------------------------------------------------
  'rotations.title': 'Przesunięcia',
  'rotations.cyclic':
    'Kod jest cykliczny: przesunięcie cykliczne słowa kodowego jest słowem ' +
    'kodowym, więc syndrom przesuniętego ciągu to syndrom przesuniętego wektora błędu. Każde ' +
    'przesunięcie w prawo przenosi błąd z pozycji p na (p + 1) mod {codeLength}. Gdy wszystkie błędy staną ' +
    'w oknie {first}–{last}, syndrom jest równy wektorowi błędu, a jego waga liczbie błędów: ' +
    'przy najwyżej dwóch błędach najwyżej {correctableWeight}.',
  'rotations.caption':
    'Po lewej liczba przesunięć, pod każdym słowem jego syndrom, po prawej ' + 'waga w.',
  'rotations.allInWindow':
    'Po {shift}. przesunięciu wszystkie błędy ({count}) stoją w oknie: ' +
    'syndrom jest równy wektorowi błędu i ma wagę {weight} > {correctableWeight}, bo błędów jest więcej niż dwa.',

  // --- Where the weight fell -------------------------------------------------------------------
  'trapped.unknownTitle': 'Waga najwyżej {correctableWeight}',
  'trapped.unknown':
    'Po {shift}. przesunięciu waga {weight} ≤ {correctableWeight}: program uznaje, że błędy stoją ' +
    'w oknie, i doda syndrom do okna.',
  'trapped.yesTitle': {
    one: 'Błąd wyłapany',
    other: 'Błędy wyłapane',
  },
  'trapped.yes': {
    one: 'Błąd wyłapany po {shift}. przesunięciu: waga {weight} ≤ {correctableWeight}.',
    other: 'Błędy wyłapane po {shift}. przesunięciu: waga {weight} ≤ {correctableWeight}.',
  },
  'trapped.shown': {
    one:
      'Błąd stoi teraz w oknie (pozycja {positions}), więc syndrom jest tam równy wektorowi ' +
      'błędu: jego jedynka stoi dokładnie pod błędem. Program doda syndrom do okna, czyli zmieni ' +
      'ten bit.',
    other:
      'Wszystkie błędy stoją teraz w oknie (pozycje {positions}), więc syndrom jest tam ' +
      'równy wektorowi błędu: jego jedynki stoją dokładnie pod błędami. Program doda syndrom do ' +
      'okna, czyli zmieni te bity.',
  },
  'trapped.notShown': {
    one:
      'Błąd stoi w oknie (pozycja {positions}), ale syndrom nie jest równy wektorowi błędu: ' +
      'to skutek wartości spoza 0 i 1.',
    other:
      'Błędy stoją w oknie (pozycje {positions}), ale syndrom nie jest równy wektorowi ' +
      'błędu: to skutek wartości spoza 0 i 1.',
  },
  'trapped.noTitle': 'Waga spadła, błędy nie wyłapane',
  'trapped.no': {
    one:
      'Po {shift}. przesunięciu waga spadła do {weight} ≤ {correctableWeight}, ale błąd nie stoi w oknie: stoi ' +
      'na pozycji {positions}.',
    other:
      'Po {shift}. przesunięciu waga spadła do {weight} ≤ {correctableWeight}, ale nie wszystkie błędy stoją ' +
      'w oknie: błędy stoją na pozycjach {positions}.',
  },
  'trapped.flipsNothing': 'Dodanie syndromu nie zmieni w oknie żadnego bitu.',
  'trapped.flipsWrongly': {
    one: 'Bit na pozycji {positions} program zmieni, choć stoi tam bez błędu.',
    other: 'Bity na pozycjach {positions} program zmieni, choć stoją tam bez błędu.',
  },
  'trapped.fixes': {
    one: 'Błąd na pozycji {positions} program poprawi.',
    other: 'Błędy na pozycjach {positions} program poprawi.',
  },
  'trapped.leaves': {
    one: 'Błąd na pozycji {positions} zostanie.',
    other: 'Błędy na pozycjach {positions} zostaną.',
  },
  'trapped.beyond':
    'Przy większej liczbie błędów waga ≤ {correctableWeight} nie oznacza, że błędy stoją w oknie.',

  // --- The result --------------------------------------------------------------------------------
  'result.title': 'Wynik',
  'result.back': {
    one:
      'Program dodał syndrom do okna i przesunął słowo jeszcze {count} raz, razem {total} ' +
      'razy: słowo wróciło na swoje miejsce.',
    few:
      'Program dodał syndrom do okna i przesunął słowo jeszcze {count} razy, razem {total} ' +
      'razy: słowo wróciło na swoje miejsce.',
    many:
      'Program dodał syndrom do okna i przesunął słowo jeszcze {count} razy, razem {total} ' +
      'razy: słowo wróciło na swoje miejsce.',
    other:
      'Program dodał syndrom do okna i przesunął słowo jeszcze {count} razy, razem {total} ' +
      'razy: słowo wróciło na swoje miejsce.',
  },
  'result.caption': 'r: odebrany ciąg; ĉ: skorygowany; c: nadany (wektor kodowy).',
  'result.changedNone': 'Korekcja nie zmieniła żadnego bitu.',
  'result.changed': {
    one: 'Korekcja zmieniła bit na pozycji {positions}.',
    other: 'Korekcja zmieniła bity na pozycjach {positions}.',
  },
  'result.matches':
    'Skorygowany ciąg jest zgodny z nadanym: dekodowanie metodą wyłapywania ' +
    'błędów odtworzyło nadane słowo.',
  'result.wrong': {
    one: 'Skorygowany ciąg różni się od nadanego na pozycji {positions}.',
    other: 'Skorygowany ciąg różni się od nadanego na pozycjach {positions}.',
  },
  'result.differs': 'Skorygowany ciąg różni się od nadanego.',
  'result.miscorrected':
    'Dekoder doprowadził ciąg do innego słowa kodowego niż nadane: to ' +
    'błędna korekcja, nie poprawienie.',
  'result.transmittedNonBinary': {
    one:
      'Nadany ciąg ma na pozycji {positions} wartość spoza 0 i 1, której poprawianie bitów ' +
      'nie odtworzy.',
    other:
      'Nadany ciąg ma na pozycjach {positions} wartości spoza 0 i 1, których poprawianie ' +
      'bitów nie odtworzy.',
  },
  'uncorrectable.gaveUp':
    'Po {shift}. przesunięciu waga wciąż > {correctableWeight}: dekoder metodą wyłapywania ' +
    'błędów się poddał, a program napisał, że ciągu nie da się skorygować.',
  'uncorrectable.allInWindow':
    'Po {shift}. przesunięciu wszystkie błędy stały w oknie, ale waga ' +
    'wynosiła {weight}: syndrom jest wtedy wektorem błędu, a błędów jest więcej niż dwa.',
  'uncorrectable.decoder': {
    one:
      'Kod BCH({codeLength},{informationLength}) ma odległość minimalną d = 5 i poprawia każdy pojedynczy błąd: to słowo ' +
      'da się poprawić, ale nie tym dekoderem. Dekoder algebraiczny (np. Berlekampa–Masseya) by ' +
      'je poprawił.',
    other:
      'Kod BCH({codeLength},{informationLength}) ma odległość minimalną d = 5 i poprawia każde dwa błędy: to słowo da ' +
      'się poprawić, ale nie tym dekoderem. Dekoder algebraiczny (np. Berlekampa–Masseya) by je ' +
      'poprawił.',
  },
  'uncorrectable.caption':
    'r: odebrany ciąg; ⟷: odcinek cykliczny, najkrótszy (po {windowLast} jest 0), ' +
    'który obejmuje wszystkie błędy.',
  'uncorrectable.spanAt': {
    one: 'Błąd na pozycji {positions} zajmuje odcinek cykliczny od {first} do {last}.',
    other: 'Błędy na pozycjach {positions} zajmują odcinek cykliczny od {first} do {last}.',
  },
  'uncorrectable.spanLength': {
    one: 'Ten odcinek ma {count} pozycję.',
    few: 'Ten odcinek ma {count} pozycje.',
    many: 'Ten odcinek ma {count} pozycji.',
    other: 'Ten odcinek ma {count} pozycji.',
  },
  'uncorrectable.span':
    'To więcej niż {windowLength} pozycji okna: żadne przesunięcie nie zmieści ich w nim ' +
    'naraz.',
  'uncorrectable.leftWindow':
    'Stały w oknie już w odebranym ciągu, a przesunięcia je z niego ' + 'wyprowadziły.',
  'uncorrectable.rotations':
    'Do okna weszłyby razem dopiero po {shift}. przesunięciu, a program ' +
    'robi najwyżej {most} przesunięcia.',

  // --- Exercises ---------------------------------------------------------------------------------
  'exercises.title': 'Zadania',
  'exercises.intro':
    'Wybierz zadanie i odpowiedz, uruchamiając program: strona ocenia każdy ' +
    'przebieg po tym, co program wydrukował.',
  'exercises.solved': 'rozwiązane',
  'progress.reset': 'Zapisany postęp był uszkodzony albo w nieznanej postaci: zaczynam od nowa.',
  'exercise.unknown': 'Adres wskazuje zadanie „{name}”, którego nie ma.',
  'exercise.damaged': 'Adres wskazuje zadanie „{name}” w niewłaściwej postaci.',
  'exercise.pending': 'Uruchom program: zadanie ocenia każdy przebieg.',
  'exercise.missed':
    'Ten przebieg nie spełnia celu. Spróbuj jeszcze raz („Cofnij” albo „Nowe ' + 'uruchomienie”).',
  'exercise.solved': 'Rozwiązane!',
  'exercise.solvedBefore': 'To zadanie jest już rozwiązane; możesz rozwiązać je jeszcze raz.',
  'exercise.now.pending': 'Zadanie „{title}”: uruchom program.',
  'exercise.now.missed': 'Zadanie „{title}”: ten przebieg nie spełnia celu.',
  'exercise.now.solved': 'Zadanie „{title}”: rozwiązane!',
  'exercise.hintTitle': 'Wskazówka',
  'exercise.solutionTitle': 'Rozwiązanie',
  'exercise.again': 'Nowa próba',
  'exercise.trap.title': 'Błąd wyłapany po k przesunięciach',
  'exercise.trap.goal':
    'Wpisz wzorzec z jednym błędem, który program wyłapie dokładnie po {k}. ' +
    'przesunięciu i poprawi.',
  'exercise.trap.hint':
    'Każde przesunięcie przenosi błąd z pozycji p na p + 1; okno zaczyna się ' +
    'na pozycji {windowFirst}.',
  'exercise.trap.solution':
    'Błąd na pozycji p wchodzi do okna po {windowFirst} − p przesunięciach, więc ' +
    'dla {k} przesunięć stoi na pozycji {position}: wzorzec {pattern} (jedynka na pozycji ' +
    '{position}).',
  'exercise.two-corrected.title': 'Dwa błędy, które dekoder poprawia',
  'exercise.two-corrected.goal': 'Wpisz wzorzec z dwoma błędami, które program poprawi.',
  'exercise.two-corrected.hint':
    'Oba błędy muszą zmieścić się razem w oknie {windowLength} pozycji, a ' +
    'przynajmniej jeden musi stać w części informacyjnej.',
  'exercise.two-corrected.solution':
    'Na przykład błędy na pozycjach 17 i 19: wzorzec ' +
    '00000000000000000101. Po 4 przesunięciach stoją na {windowFirst} i 23, waga spada do 2.',
  'exercise.two-beyond.title': 'Dwa błędy poza zasięgiem dekodera',
  'exercise.two-beyond.goal':
    'Wpisz wzorzec z dwoma błędami, których ten dekoder nie poprawi, ' + 'choć kod (d = 5) mógłby.',
  'exercise.two-beyond.hint':
    'Dekoder wyłapuje tylko błędy w odcinku cyklicznym najwyżej ' +
    '{windowLength} pozycji, który wejdzie do okna w {mostRotations} przesunięciach.',
  'exercise.two-beyond.solution':
    'Na przykład błędy na pozycjach 0 i {windowLength} (wzorzec 10000000001): ' +
    'odcinek ma 11 pozycji. Albo 0 i 29: weszłyby do okna dopiero po 23 przesunięciach.',
  'exercise.two-parity.title': 'Dwa błędy bez korekcji',
  'exercise.two-parity.goal':
    'Wpisz wzorzec z dwoma błędami, po których program nie zaczyna ' + 'korekcji.',
  'exercise.two-parity.hint': 'Błędy w samej części kontrolnej są swoim syndromem.',
  'exercise.two-parity.solution':
    'Dwie jedynki na pozycjach {windowFirst}–{windowLast}, np. ' +
    '0000000000000000000001000000001 (pozycje {windowFirst} i {windowLast}): syndrom 1000000001, waga 2.',
  'exercise.three-parity.title': 'Trzy błędy w części kontrolnej',
  'exercise.three-parity.goal':
    'Wpisz wzorzec z trzema błędami w części kontrolnej: informacja ' +
    'jest cała, a program i tak zaczyna korekcję.',
  'exercise.three-parity.hint':
    'Błędy w części kontrolnej są swoim syndromem: ile jedynek, taka ' + 'waga.',
  'exercise.three-parity.solution':
    'Trzy jedynki na pozycjach {windowFirst}–{windowLast}, np. ' +
    '0000000000000000000001110000000: waga 3 > {correctableWeight}, więc program zaczyna korekcję, choć błędy nie ' +
    'dotknęły informacji. Reguła „waga ≤ {correctableWeight}” zakłada najwyżej dwa błędy.',
  'exercise.miscorrect.title': 'Błędna korekcja',
  'exercise.miscorrect.goal':
    'Wpisz wzorzec z trzema błędami, po których program „poprawi” ' +
    'słowo w inne słowo kodowe niż nadane.',
  'exercise.miscorrect.hint':
    'Szukaj trzech błędów blisko siebie w części informacyjnej i patrz ' + 'na wykres wagi.',
  'exercise.miscorrect.solution':
    'Na przykład słowo 000000000000000000000 i błędy na pozycjach ' +
    '0, 1 i 3 (wzorzec 1101): po 14 przesunięciach waga spada do 2, a korekcja zmienia bity 7 i ' +
    '15.',
  'exercise.zero-parity.title': 'Zerowa część kontrolna',
  'exercise.zero-parity.goal':
    'Wpisz niezerowe słowo informacyjne, którego część kontrolna to ' + 'same zera.',
  'exercise.zero-parity.hint':
    'Część kontrolna to reszta z dzielenia i(x)·x^({generatorDegree}) przez g(x): ' +
    'kiedy jest zerowa?',
  'exercise.zero-parity.solution':
    'Gdy g(x) dzieli i(x), np. i(x) = g(x): słowo ' +
    '000000000011101101001 (współczynniki g(x) na pozycjach {generatorAt}–{informationLast}).',
  'exercise.unseen.title': 'Błąd niezauważony',
  'exercise.unseen.goal':
    'Wpisz słowo i wzorzec błędu, po których odebrany ciąg jest innym ' +
    'słowem kodowym: syndrom zerowy, choć błędy są.',
  'exercise.unseen.hint': 'Suma dwóch słów kodowych jest słowem kodowym.',
  'exercise.unseen.solution':
    'Wzorzec błędu musi sam być niezerowym słowem kodowym, np. wektor ' +
    'kodowy słowa 1: 1000000000000000000001110110100.',
  'exercise.predict.title': 'Przewiduj wagę',
  'exercise.predict.goal':
    'Przed każdym Enter w czasie korekcji powiedz, czy po następnym ' +
    'przesunięciu waga będzie najwyżej {correctableWeight}. Rozwiązane po {goal} trafieniach w jednym przebiegu ' +
    'bez pomyłki.',
  'exercise.predict.hint':
    'Waga spada do {correctableWeight} lub mniej (przy jednym błędzie do 1), gdy wszystkie ' +
    'błędy wejdą do okna (przy najwyżej dwóch błędach). Śledź w objaśnieniach, gdzie stoją błędy.',
  'exercise.predict.solution':
    'Wpisz np. jeden błąd na pozycji {parityLength} (wzorzec 00000000001): ' +
    'wejdzie do okna po 11 przesunięciach, więc przez {parityLength} przesunięć odpowiedź brzmi „nie”, a ' +
    'przy 11. „tak”.',
  'exercise.longest.title': 'Najdłuższa udana korekcja',
  'exercise.longest.goal':
    'Wpisz wzorzec błędu, który program poprawi po największej możliwej ' + 'liczbie przesunięć.',
  'exercise.longest.hint': 'Program robi najwyżej {mostRotations} przesunięcia.',
  'exercise.longest.solution':
    'Błędy na pozycjach 0 i {windowLast} (wzorzec 1, 29 zer i 1): do okna ' +
    'wchodzą razem dopiero po {mostRotations}. przesunięciu, ostatnim, jakie program robi.',
  'exercise.read.title': 'Czytaj wydruk',
  'exercise.read.goal':
    'Program wydrukował wektor kodowy i odebrany ciąg przebiegu poniżej. Na ' +
    'których pozycjach stały błędy?',
  'exercise.read.hint': 'Porównaj oba wiersze cyfra po cyfrze; pozycje liczymy od 0 z lewej.',
  'exercise.read.solution':
    'Błędy stoją tam, gdzie odebrany ciąg różni się od wektora kodowego: ' +
    'porównaj cyfry o tym samym numerze w obu wierszach. Tutaj: {positions}.',
  'predict.question': 'Czy po przesunięciu {shift} waga będzie najwyżej {correctableWeight}?',
  'predict.yes': 'Tak, ≤ {correctableWeight}',
  'predict.no': 'Nie, > {correctableWeight}',
  'predict.score': 'Trafione: {right}, chybione: {wrong}. Najlepsza seria: {best}.',
  'read.loading': 'Program pracuje…',
  'read.printed': 'Program wydrukował:',
  'read.label': 'Pozycje błędów:',
  'read.check': 'Sprawdź',

  // --- Why, and how far --------------------------------------------------------------------------
  'why.title': 'Dlaczego i kiedy to działa',
  'why-distance.title': 'Ile błędów poprawia kod',
  'why-distance.1':
    'Kod BCH({codeLength},{informationLength}) ma odległość minimalną d = 5: dwa różne słowa kodowe różnią ' +
    'się na co najmniej pięciu pozycjach. Dlatego poprawia t = ⌊(d − 1)/2⌋ = 2 błędy: słowo z ' +
    'najwyżej dwoma błędami leży bliżej nadanego słowa niż każdego innego.',
  'why-cyclic.title': 'Dlaczego wolno przesuwać',
  'why-cyclic.1':
    'Kod jest cykliczny: przesunięcie cykliczne słowa kodowego jest znów słowem ' +
    'kodowym. Przesunięty ciąg odebrany to przesunięte słowo kodowe plus przesunięty wektor ' +
    'błędu, więc jego syndrom zależy tylko od przesuniętego wektora błędu.',
  'why-window.title':
    'Dlaczego przy najwyżej dwóch błędach waga ≤ {correctableWeight} znaczy „błędy w oknie”',
  'why-window.1':
    'Gdy wszystkie błędy stoją w oknie {first}–{last}, wektor błędu e(x) ma ' +
    'stopień mniejszy niż {generatorDegree}, jest więc swoją własną resztą z dzielenia przez g(x): syndrom jest ' +
    'równy wektorowi błędu, a jego waga liczbie błędów.',
  'why-window.2':
    'Odwrotnie, przy najwyżej dwóch błędach waga syndromu ≤ {correctableWeight} oznacza, że błędy ' +
    'stoją w oknie. Gdyby nie stały, wektor błędu plus syndrom wpisany w okno byłby niezerowym ' +
    'słowem kodowym (jego reszta z dzielenia przez g(x) to s + s = 0) o wadze najwyżej 2 + 2 = 4 ' +
    '< 5 = d, a takiego słowa nie ma.',
  'why-limit.title': 'Granice tego dekodera',
  'why-limit.1':
    'Dekodowanie metodą wyłapywania błędów poprawia błędy tylko wtedy, gdy ' +
    'wszystkie mieszczą się w odcinku cyklicznym najwyżej {windowLength} kolejnych pozycji i któreś z {most} ' +
    'przesunięć wprowadzi ten odcinek do okna. Pojedynczy błąd na pozycji p wchodzi do okna po ' +
    '{windowFirst} − p przesunięciach, więc każdy pojedynczy błąd w części informacyjnej ' +
    '(0–{informationLast}) zostaje poprawiony; pojedynczy błąd w części kontrolnej nie wymaga ' +
    'poprawiania informacji i program zostawia go w ciągu.',
  'why-limit.2':
    'Z 465 układów dwóch błędów 45 stoi w części kontrolnej i nie wymaga korekcji, ' +
    '198 dekoder poprawia, a 222 nie: 186 ma odcinek dłuższy niż {windowLength}, a 36 weszłoby do okna ' +
    'dopiero po więcej niż {most} przesunięciach. Kod poprawia wszystkie 465; ten dekoder poprawia 198. ' +
    'W 45 parach w części kontrolnej informacja jest cała, ale oba błędy zostają w ciągu.',
  'why-algebraic.title': 'Dekodery, które poprawiają każde dwa błędy',
  'why-algebraic.1':
    'Dekodery algebraiczne kodów BCH (algorytm Berlekampa–Masseya z procedurą ' +
    'Chiena albo rozwiązanie równania kwadratowego w GF(32)) obliczają syndromy S₁ i S₃ jako ' +
    'wartości r(x) w pierwiastkach g(x) i wyznaczają z nich położenia błędów. Poprawiają każdy ' +
    'układ najwyżej dwóch błędów, także tych, których wyłapywanie nie obejmie.',
  'why-more.title': 'Więcej niż dwa błędy',
  'why-more.1':
    'Przy trzech i więcej błędach kod nie gwarantuje już poprawienia. Gwarantuje jednak, że ' +
    'trzy lub cztery błędy nigdy nie dają zerowego syndromu: niezerowe słowo kodowe ma wagę co ' +
    'najmniej d = 5. Waga ≤ {correctableWeight} może się pojawić, choć błędy nie stoją w oknie. ' +
    'Po przesunięciu dekoder zmienia wtedy ciąg w inne słowo kodowe (błędna korekcja); przed ' +
    'jakimkolwiek przesunięciem program niczego nie zmienia. Gdy błąd sam jest słowem kodowym ' +
    '(pięć błędów lub więcej), syndrom jest zerowy i błąd przechodzi niezauważony.',

  // --- What the explanation says where values other than 0 and 1 were typed, and when the
  // rotations end --------------------------------------------------------------------------------
  'error.valuesDiffer': {
    one: 'Wartość odebranego ciągu różni się od wartości wektora kodowego na pozycji {positions}.',
    other:
      'Wartości odebranego ciągu różnią się od wartości wektora kodowego na pozycjach ' +
      '{positions}.',
  },
  'error.bitsDiffer': {
    one: 'Modulo 2, jako bit, różni się tylko na pozycji {positions}: 1 błąd bitu.',
    few: 'Modulo 2, jako bity, różnią się na pozycjach {positions}: {count} błędy bitów.',
    many: 'Modulo 2, jako bity, różnią się na pozycjach {positions}: {count} błędów bitów.',
    other: 'Modulo 2, jako bity, różnią się na pozycjach {positions}: {count} błędu bitów.',
  },
  'error.noBitDiffers':
    'Modulo 2, jako bity, nie różnią się nigdzie: żaden bit się nie zmienił, błędu bitu nie ma.',
  'syndrome.missedBits': {
    one: 'Zmienił się jednak bit części informacyjnej (pozycja {positions}).',
    few: 'Zmieniły się jednak bity części informacyjnej (pozycje {positions}).',
    many: 'Zmieniły się jednak bity części informacyjnej (pozycje {positions}).',
    other: 'Zmieniły się jednak bity części informacyjnej (pozycje {positions}).',
  },
  'syndrome.missedZeroValues':
    'Syndrom jest zerowy, więc program nie zauważył błędu; ciągi mają wartości spoza 0 i 1, ' +
    'które program dodaje jak liczby.',
  'rotations.goesOn': 'Program przesuwa dalej.',
  'rotations.givesUp':
    '{shift}. przesunięcie jest ostatnim, jakie program robi: program się poddaje, a dalsze ' +
    'przesunięcia by nie pomogły.',
  'uncorrectable.count': {
    one: 'Przyczyną jest liczba błędów.',
    few:
      'Przyczyną jest liczba błędów: w oknie {count} błędy dają syndrom o wadze {count} > ' +
      '{correctableWeight}, więc dalsze przesunięcia by nie pomogły.',
    many:
      'Przyczyną jest liczba błędów: w oknie {count} błędów daje syndrom o wadze {count} > ' +
      '{correctableWeight}, więc dalsze przesunięcia by nie pomogły.',
    other:
      'Przyczyną jest liczba błędów: w oknie {count} błędu daje syndrom o wadze {count} > ' +
      '{correctableWeight}, więc dalsze przesunięcia by nie pomogły.',
  },

  // --- What learners hit: why a run missed, answers typed, undoing a word, the way back --------
  'reason.values': 'Wpisano wartości spoza 0 i 1: zadanie liczy tylko błędy bitów 0 i 1.',
  'reason.count': {
    one: 'W tym przebiegu jest {count} błąd, a nie {want}.',
    few: 'W tym przebiegu są {count} błędy, a nie {want}.',
    many: 'W tym przebiegu jest {count} błędów, a nie {want}.',
    other: 'W tym przebiegu jest {count} błędu, a nie {want}.',
  },
  'reason.parityOnly': 'Błędy stoją tylko w części kontrolnej: program nie zaczyna korekcji.',
  'reason.noCorrection': 'Waga wynosi najwyżej {correctableWeight}: program nie zaczyna korekcji.',
  'reason.gaveUp': 'Program się poddał: ten dekoder nie poprawi tego ciągu.',
  'reason.miscorrected': 'Program zmienił ciąg w słowo kodowe inne niż nadane.',
  'reason.corrected': 'Program poprawił ciąg.',
  'reason.trappedAfter': {
    one: 'Wyłapany po {count} przesunięciu, a nie po {want}.',
    few: 'Wyłapany po {count} przesunięciach, a nie po {want}.',
    many: 'Wyłapany po {count} przesunięciach, a nie po {want}.',
    other: 'Wyłapany po {count} przesunięciach, a nie po {want}.',
  },
  'reason.notParityOnly': {
    one: 'Błąd stoi w części informacyjnej (pozycja {positions}).',
    few: 'Błędy stoją w części informacyjnej (pozycje {positions}).',
    many: 'Błędy stoją w części informacyjnej (pozycje {positions}).',
    other: 'Błędy stoją w części informacyjnej (pozycje {positions}).',
  },
  'reason.zeroInformation': 'Słowo informacyjne ma same zera.',
  'reason.parityOnes': {
    one: 'Część kontrolna ma {count} jedynkę.',
    few: 'Część kontrolna ma {count} jedynki.',
    many: 'Część kontrolna ma {count} jedynek.',
    other: 'Część kontrolna ma {count} jedynki.',
  },
  'reason.noErrors': 'Odebrany ciąg nie ma błędu.',
  'reason.syndromeWeight': 'Syndrom nie jest zerowy: ma wagę {weight}.',
  'reason.predictWrong': 'Po {shift}. przesunięciu waga wynosiła {weight}.',
  'reason.predictFew': {
    one: 'Przebieg skończył się po {count} trafieniu; potrzeba {goal}.',
    few: 'Przebieg skończył się po {count} trafieniach; potrzeba {goal}.',
    many: 'Przebieg skończył się po {count} trafieniach; potrzeba {goal}.',
    other: 'Przebieg skończył się po {count} trafieniach; potrzeba {goal}.',
  },
  'reason.syndromeWrong':
    'Po {shift}. przesunięciu program wydrukował syndrom {printed}, a nie {typed}.',
  'reason.syndromeFew': {
    one: 'Przebieg skończył się po {count} trafionym syndromie; potrzeba {goal}.',
    few: 'Przebieg skończył się po {count} trafionych syndromach; potrzeba {goal}.',
    many: 'Przebieg skończył się po {count} trafionych syndromach; potrzeba {goal}.',
    other: 'Przebieg skończył się po {count} trafionych syndromach; potrzeba {goal}.',
  },
  'reason.remainderDiffers': 'Program wydrukował {printed}, a nie resztę {typed}.',
  'reason.readNotPositions': 'To nie jest lista pozycji 0–{highestDegree}.',
  'reason.readFromZero':
    'Każda wpisana pozycja jest o jeden za duża: pozycje liczy się od 0 z lewej.',
  'reason.readCount': {
    one: 'Wpisano {count} pozycję, a błędów jest {errors}.',
    few: 'Wpisano {count} pozycje, a błędów jest {errors}.',
    many: 'Wpisano {count} pozycji, a błędów jest {errors}.',
    other: 'Wpisano {count} pozycji, a błędów jest {errors}.',
  },
  'reason.readPositions': {
    one: 'Na pozycji {positions} nie ma błędu.',
    few: 'Na pozycjach {positions} nie ma błędów.',
    many: 'Na pozycjach {positions} nie ma błędów.',
    other: 'Na pozycjach {positions} nie ma błędów.',
  },
  'exercise.answer.pending': 'Wpisz pozycje błędów i sprawdź je.',
  'exercise.answer.missed': 'To nie te pozycje. Popraw je i sprawdź jeszcze raz.',
  'exercise.now.answer.pending': 'Zadanie „{title}”: wpisz pozycje błędów.',
  'exercise.now.answer.missed': 'Zadanie „{title}”: to nie te pozycje.',
  'button.takeBackWord': 'Cofnij słowo',
  'why.back': 'Wróć do kroku',
  'rotations.typedAtPause':
    'Na pauzie po {shift}. przesunięciu program przeczytał jeden znak, wpisane tam „{character}”, ' +
    'i poszedł dalej; następny wpisany znak, Enter kończący wiersz, trafił do następnej pauzy. ' +
    'Wiersz wpisany na pauzie przechodzi tyle pauz, ile ma znaków.',
  'rotations.byteAtPause':
    'Na pauzie po {shift}. przesunięciu program przeczytał jeden znak, wpisany tam bajt {byte}, ' +
    'i poszedł dalej; następny wpisany znak, Enter kończący wiersz, trafił do następnej pauzy. ' +
    'Wiersz wpisany na pauzie przechodzi tyle pauz, ile ma znaków.',

  // --- The grade and the course (what a teacher's platform is told) -----------------------
  'exercises.grade': 'rozwiązane: {count} z {total}; zaliczenie od {passing}',
  'exercises.gradePassed': 'rozwiązane: {count} z {total}; zaliczone, próg {passing}',
  'terminal.hintCourse':
    'Enter wysyła wpisany wiersz do programu. „Zakończ dane” (Ctrl-D) wysyła ' +
    'wiersz bez znaku końca wiersza, a na pustym wierszu kończy dane wejściowe. Postęp w ' +
    'zadaniach zapisuje kurs: wróć do niego, otwierając tę aktywność w kursie.',
  // --- Arytmetyka: dzielenie pisemne przez g(x) i rejestr syndromu -----------------------------
  'division.encoding.summary': 'Dzielenie pisemne: i(x)·x^({parityLength}) przez g(x)',
  'division.syndrome.summary': 'Dzielenie pisemne: r(x) przez g(x)',
  'division.encoding.caption':
    'Ciąg informacyjny z {parityLength} zerami na końcu podzielony przez g(x) = {generator}: pod ' +
    'każdą wiodącą jedynką {generatorDegree} + 1 bitów g(x), a pod nimi różnica (w GF(2) to ' +
    'suma). Nad dzielną iloraz, na dole reszta.',
  'division.syndrome.caption':
    'Ciąg odebrany podzielony przez g(x) = {generator}: pod każdą wiodącą jedynką bity g(x), a ' +
    'pod nimi różnica. Nad dzielną iloraz, na dole reszta.',
  'division.encoding.start': {
    one: 'Dzielna i(x)·x^({parityLength}): ciąg informacyjny, a po nim {parityLength} zer. Dzielenie ma {count} krok, po jednym na każdą wiodącą jedynkę na pozycjach 0–{informationLast}.',
    few: 'Dzielna i(x)·x^({parityLength}): ciąg informacyjny, a po nim {parityLength} zer. Dzielenie ma {count} kroki, po jednym na każdą wiodącą jedynkę na pozycjach 0–{informationLast}.',
    many: 'Dzielna i(x)·x^({parityLength}): ciąg informacyjny, a po nim {parityLength} zer. Dzielenie ma {count} kroków, po jednym na każdą wiodącą jedynkę na pozycjach 0–{informationLast}.',
    other:
      'Dzielna i(x)·x^({parityLength}): ciąg informacyjny, a po nim {parityLength} zer. Dzielenie ma {count} kroku, po jednym na każdą wiodącą jedynkę na pozycjach 0–{informationLast}.',
  },
  'division.syndrome.start': {
    one: 'Dzielna r(x): ciąg odebrany. Dzielenie ma {count} krok, po jednym na każdą wiodącą jedynkę na pozycjach 0–{informationLast}.',
    few: 'Dzielna r(x): ciąg odebrany. Dzielenie ma {count} kroki, po jednym na każdą wiodącą jedynkę na pozycjach 0–{informationLast}.',
    many: 'Dzielna r(x): ciąg odebrany. Dzielenie ma {count} kroków, po jednym na każdą wiodącą jedynkę na pozycjach 0–{informationLast}.',
    other:
      'Dzielna r(x): ciąg odebrany. Dzielenie ma {count} kroku, po jednym na każdą wiodącą jedynkę na pozycjach 0–{informationLast}.',
  },
  'division.step':
    'Krok {step} z {total}: wiodąca jedynka stoi na pozycji {position}, więc odejmujemy tam ' +
    '(dodajemy modulo 2) g(x)·x^({power}); różnica to {difference}, a następny krok zaczyna się ' +
    'od jej następnej jedynki.',
  'division.encoding.end':
    'Na pozycjach 0–{informationLast} nie została żadna jedynka: reszta to {remainder} i staje ' +
    'się częścią kontrolną, pozycjami {windowFirst}–{windowLast}.',
  'division.syndrome.end':
    'Na pozycjach 0–{informationLast} nie została żadna jedynka: reszta {remainder} to syndrom.',
  'division.encoding.matches':
    'Reszta z dzielenia, {remainder}, to część kontrolna, którą wypisał program.',
  'division.syndrome.matches':
    'Reszta z dzielenia, {remainder}, to syndrom, który wypisał program.',
  'division.differs':
    'Reszta z dzielenia, {remainder}, nie jest tym, co wypisał program ({printed}).',
  'division.encoding.notBits':
    'Dzielenia nie pokazujemy: ciąg informacyjny zawiera wartość inną niż 0 i 1, a na takiej ' +
    'wartości program liczy coś, co nie jest dzieleniem bitów.',
  'division.syndrome.notBits':
    'Dzielenia nie pokazujemy: ciąg odebrany zawiera wartość inną niż 0 i 1 (albo nie dało się ' +
    'go odczytać pozycja po pozycji), a na nim program liczy coś, co nie jest dzieleniem bitów.',
  'division.back': 'Krok wstecz',
  'division.forward': 'Następny krok',
  'division.first': 'Od początku',
  'division.whole': 'Całe dzielenie',
  'division.at': 'Krok {step} z {total}',
  'register.summary': 'Rejestr syndromu',
  'register.rule':
    'Syndrom każdego przesunięcia wynika z poprzedniego bez nowego dzielenia: to jeden takt ' +
    'rejestru syndromu. Jego cyfry przesuwają się o jedno miejsce w prawo, jak cyfry ciągu; ' +
    'ostatnia wychodzi, a gdy jest jedynką, dodaje się odczepy g(x).',
  'register.legend':
    'Obok każdego syndromu w tabeli stoi ten takt: cyfra, która wyszła z rejestru, i „+g”, gdy ' +
    'dodano odczepy g(x).',
  'register.clockTaps':
    'Takt od przesunięcia {from} do przesunięcia {shift}: z rejestru wyszła cyfra {out}, więc ' +
    'do przesuniętych cyfr dodano odczepy g(x).',
  'register.clockPlain':
    'Takt od przesunięcia {from} do przesunięcia {shift}: z rejestru wyszła cyfra {out}, a cyfry ' +
    'tylko przesunęły się o jedno miejsce w prawo.',
  'register.label':
    'Rejestr syndromu po przesunięciu {shift}: {after}; przed taktem {before}; wyszła cyfra {out}.',
  'register.before': 'przed',
  'register.notBits':
    'Taktu rejestru syndromu nie pokazujemy: wypisany syndrom zawiera wartość inną niż 0 i 1, a ' +
    'reguła rejestru dotyczy bitów.',
  'register.astray': {
    one: 'Po przesunięciu {shifts} wypisany syndrom nie wynika z poprzedniego przez takt rejestru syndromu, więc taktu nie pokazujemy.',
    few: 'Po przesunięciach {shifts} wypisane syndromy nie wynikają z poprzednich przez takt rejestru syndromu, więc taktów nie pokazujemy.',
    many: 'Po przesunięciach {shifts} wypisane syndromy nie wynikają z poprzednich przez takt rejestru syndromu, więc taktów nie pokazujemy.',
    other:
      'Po przesunięciach {shifts} wypisane syndromy nie wynikają z poprzednich przez takt rejestru syndromu, więc taktów nie pokazujemy.',
  },
  'why-register.title': 'Dlaczego przesunięcia nie wymagają nowego dzielenia',
  'why-register.1':
    'Przesunięcie mnoży r(x) przez x^({highestDegree}) modulo x^({codeLength}) − 1, a g(x) dzieli ' +
    'x^({codeLength}) − 1: nowy syndrom to więc poprzedni razy x^({highestDegree}) modulo g(x). ' +
    'Sprzętowo to jeden takt rejestru o {parityLength} komórkach ze sprzężeniem zwrotnym tam, ' +
    'gdzie g(x) ma jedynki: każde przesunięcie kosztuje jeden takt, a nie ponowne dzielenie ' +
    '{codeLength} bitów, a całe wyłapywanie co najwyżej {most} taktów.',
  'why-rotations.title': 'Dlaczego program kończy po {most} przesunięciach',
  'why-rotations.1':
    'Do {informationLength}. przesunięcia każda pozycja informacyjna przejdzie do okna, a ' +
    '{most}. przenosi pozycję {windowLast} na pozycję {windowFirst}: każda para błędów w ' +
    'obrębie {windowLength} kolejnych pozycji zostaje wtedy wyłapana, z wyjątkiem tych, które ' +
    'zaczynają się w części kontrolnej i przechodzą przez koniec ciągu. Dalsze przesunięcia, aż ' +
    'do {highestDegree}., wyłapałyby jeszcze 36 układów dwóch błędów; 186 nie wyłapie żadne ' +
    'przesunięcie, bo ich błędy dzieli w obu kierunkach co najmniej {windowLength} pozycji. ' +
    'Wyłapać da się więc co najwyżej 279 z 465.',

  // --- Arytmetyka: zadania ------------------------------------------------------------------------
  'exercise.divide.title': 'Podziel, by dostać część kontrolną',
  'exercise.divide.goal':
    'Oblicz część kontrolną ciągu informacyjnego poniżej, dzieląc pisemnie przez g(x), wiersz ' +
    'po wierszu: każdy wiersz jest od razu sprawdzany. Potem uruchom program na tym ciągu: ' +
    'wypisana część kontrolna musi być twoją resztą.',
  'exercise.divide.hint':
    'Pod każdą wiodącą jedynką stoi g(x) = {generator}; dodaj jego bity modulo 2 (1 + 1 = 0) i ' +
    'zapisz {parityLength} bitów po wiodącej. Reszta to to, co stoi na pozycjach ' +
    '{windowFirst}–{windowLast}, gdy przed nimi nie ma już jedynki.',
  'exercise.divide.solution':
    'Otwórz „Dzielenie pisemne” w objaśnieniu przebiegu na tym ciągu: pokazuje każdy krok, a ' +
    'jego reszta to część kontrolna, którą wypisuje program.',
  'exercise.next-syndrome.title': 'Następny syndrom',
  'exercise.next-syndrome.goal':
    'Przy każdej pauzie w czasie korekcji, przed Enter, wpisz syndrom, który program wypisze ' +
    'po następnym przesunięciu. Rozwiązane po {goal} trafnych w jednym przebiegu bez żadnego ' +
    'błędnego.',
  'exercise.next-syndrome.hint':
    'Przesuń cyfry obecnego syndromu o jedno miejsce w prawo; gdy cyfra, która wychodzi z ' +
    'prawej, jest jedynką, dodaj modulo 2 odczepy g(x) (jego bity bez ostatniego).',
  'exercise.next-syndrome.solution':
    'Otwórz „Rejestr syndromu” w objaśnieniu: pokazuje każdy takt, a obok każdego syndromu w ' +
    'tabeli stoi cyfra, która wyszła, i to, czy dodano g(x).',
  'exercise.syndrome.title': 'Podziel, by dostać syndrom',
  'exercise.syndrome.goal':
    'Oblicz syndrom ciągu odebranego poniżej, dzieląc pisemnie przez g(x), wiersz po wierszu. ' +
    'Potem uruchom program na jego ciągu informacyjnym i błędzie: wypisany syndrom musi być ' +
    'twoją resztą.',
  'exercise.syndrome.hint':
    'To samo dzielenie co dla części kontrolnej, na wszystkich {codeLength} pozycjach ciągu ' +
    'odebranego: pod każdą wiodącą jedynką na pozycjach 0–{informationLast} stoi g(x).',
  'exercise.syndrome.solution':
    'Otwórz „Dzielenie pisemne: r(x) przez g(x)” w objaśnieniu tego przebiegu: jego reszta to ' +
    'syndrom, który wypisuje program.',
  'divide.word': 'Ciąg informacyjny: {word}',
  'syndrome.word': 'Ciąg odebrany: {word}',
  'divide.row': 'Wiersz {row} z {total}: różnica, pozycje {first}–{last}:',
  'divide.remainder': 'Wiersz {row} z {total}: reszta, pozycje {windowFirst}–{windowLast}:',
  'divide.wrongBit': 'Bit {bit} wiersza jest błędny:',
  'divide.done': 'Wszystkie wiersze są dobre: reszta, czyli część kontrolna, to {remainder}.',
  'syndrome.done': 'Wszystkie wiersze są dobre: reszta, czyli syndrom, to {remainder}.',
  'divide.run': 'Uruchom na nim program',
  'divide.printed': 'Program wypisał część kontrolną {printed}.',
  'syndrome.printed': 'Program wypisał syndrom {printed}.',
  'nextSyndrome.question': 'Syndrom po przesunięciu {shift}:',
  'nextSyndrome.enter': 'Enter',
  'nextSyndrome.score': 'Trafne: {right}, błędne: {wrong}.',
};
