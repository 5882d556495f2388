-- Demo management database: a few documents of every register the import
-- takes (FV, NC, NI, FD, FI), a deferred invoice billing two delivery
-- notes, and an order that the import leaves alone.
SET NAMES utf8mb4;

INSERT INTO testata (protocollo, anno, cl_fo, reg_doc, tipo_doc, num_doc, data, rag_soc, indirizzo, cap, citta, prov,
                     dest_soc, dest_indirizzo, dest_cap, dest_citta, partiva, cod_fis, cod_destinatario, pec,
                     imponibile1, iva1, aliquota1, imponibile2, iva2, aliquota2, imponibile3, iva3, aliquota3,
                     val_sconto1, spese_tr, spese_inc, aliq_spese, bolli, abbuono, prot_f_diff)
VALUES
 (1, 2020, 'C', 'FV', 'Fattura', 101, '2020-03-05', 'Bianchi & Figli S.n.c.', 'Corso Italia 45', '10121', 'Torino',
  'TO', 'Magazzino Bianchi', 'Via dell''Industria 3', '10036', 'Settimo Torinese', '09876543217', '09876543217',
  'M5UXCR1', NULL, 130.5, 28.71, 22, 20, 0.8, 4, 0, 0, 0, 0, 0, 0, 22, 0, 0, NULL),
 (2, 2020, 'C', 'FV', 'Fattura', 102, '2020-03-06', 'Comune di Lodi', 'Piazza Broletto 1', '26900', 'Lodi', 'LO',
  NULL, NULL, NULL, NULL, NULL, '84507570152', 'UFB4PZ', NULL,
  200, 44, 22, 0, 0, 0, 0, 0, 0, 0, 10, 0, 22, 2, 0, NULL),
 (3, 2020, 'C', 'NC', 'Nota di credito', 5, '2020-03-10', 'Bianchi & Figli S.n.c.', 'Corso Italia 45', '10121',
  'Torino', 'TO', NULL, NULL, NULL, NULL, '09876543217', '09876543217', 'M5UXCR1', NULL,
  20, 4.4, 22, 0, 0, 0, 0, 0, 0, 0, 0, 0, 22, 0, 0, NULL),
 (4, 2020, 'C', 'NI', 'Nota credito estero', 5, '2020-03-11', 'Hierros Garcia S.L.', 'Calle Mayor 8', '28013',
  'Madrid', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL,
  0, 0, 0, 0, 0, 0, 15, 0, 0, 0, 0, 0, 22, 0, 0, NULL),
 (5, 2020, 'C', 'FI', 'Fattura estero', 7, '2020-03-12', 'Hierros Garcia S.L.', 'Calle Mayor 8', '28013', 'Madrid',
  NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL,
  0, 0, 0, 0, 0, 0, 90, 0, 0, 0, 0, 0, 22, 0, 0, NULL),
 (6, 2020, 'C', 'FD', 'Fattura differita', 103, '2020-03-31', 'Verdi Impianti S.p.A.', 'Viale Monza 200', '20127',
  'Milano', 'MI', NULL, NULL, NULL, NULL, '11223344554', '11223344554', 'KRRH6B9', 'verdi@pec.example',
  75, 16.5, 22, 12, 0.48, 4, 0, 0, 0, 5, 0, 0, 22, 0, 0, NULL),
 (7, 2020, 'C', 'BC', 'Bolla', 31, '2020-03-15', 'Verdi Impianti S.p.A.', 'Viale Monza 200', '20127', 'Milano',
  'MI', 'Cantiere Verdi di via Padova', 'Via Padova 120', '20132', 'Milano', '11223344554', '11223344554',
  'KRRH6B9', NULL, 50, 11, 22, 0, 0, 0, 0, 0, 0, 0, 0, 0, 22, 0, 0, 6),
 (8, 2020, 'C', 'BC', 'Bolla', 34, '2020-03-20', 'Verdi Impianti S.p.A.', 'Viale Monza 200', '20127', 'Milano',
  'MI', 'Verdi Impianti S.p.A.', 'Viale Monza 200', '20127', 'Milano', '11223344554', '11223344554', 'KRRH6B9',
  NULL, 37, 5.98, 22, 0, 0, 0, 0, 0, 0, 0, 0, 0, 22, 0, 0, 6),
 (9, 2020, 'C', 'OC', 'Ordine cliente', 12, '2020-03-25', 'Rossi Mario', 'Via Roma 10/A', '24121', 'Bergamo', 'BG',
  NULL, NULL, NULL, NULL, NULL, 'RSSMRA70A01A794H', '0000000', 'mario.rossi@pec.example',
  10, 2.2, 22, 0, 0, 0, 0, 0, 0, 0, 0, 0, 22, 0, 0, NULL);

INSERT INTO dettag (prot_testa, codice_art, descrizione, quantita, pr_lordo, sc_1, sc_2, sc_3, um, aliquota, cod_art,
                    categoria, origine, lotto)
VALUES
 (1, 1, 'Risma carta A4 80 g', 10, 4.5, 0, 0, 0, 'PZ', 22, 'CA4-80', 'CAN', NULL, NULL),
 (1, 2, 'Toner nero stampante laser', 3, 30, 10, 0, 0, 'PZ', 22, 'TN-100', 'CON', 'IT', 'L2020-11'),
 (1, 3, 'Quotidiano locale', 10, 2, 0, 0, 0, 'PZ', 4, 'GIORN', NULL, NULL, NULL),
 (2, 4, 'Servizio di manutenzione annuale', 1, 200, 0, 0, 0, 'NR', 22, 'MAN-A', NULL, NULL, NULL),
 (3, 2, 'Reso toner nero stampante laser', 1, 20, 0, 0, 0, 'PZ', 22, 'TN-100', NULL, NULL, NULL),
 (4, 5, 'Abbuono su fornitura', 1, 15, 0, 0, 0, 'NR', 0, 'ABB', NULL, NULL, NULL),
 (5, 6, 'Bulloni M8 zincati', 100, 0.5, 0, 0, 0, 'PZ', 0, 'BUL-M8', NULL, 'IT', NULL),
 (5, 7, 'Dadi M8', 100, 0.4, 0, 0, 0, 'PZ', 0, 'DAD-M8', NULL, 'IT', NULL),
 (7, 8, 'Cavo elettrico 3x2,5 (metri)', 100, 0.5, 0, 0, 0, 'MT', 22, 'CAV-325', NULL, NULL, NULL),
 (7, 9, 'Libretto istruzioni', 3, 4, 0, 0, 0, 'PZ', 4, 'LIB-IST', NULL, NULL, NULL),
 (8, 10, 'Interruttore bipolare', 5, 8, 5, 0, 0, 'PZ', 22, 'INT-BP', NULL, NULL, NULL),
 (8, 11, 'Scatola di derivazione', 2, 4, 0, 0, 0, 'PZ', 22, 'SCA-DER', NULL, NULL, NULL),
 (9, 1, 'Risma carta A4 80 g', 2, 4.5, 0, 0, 0, 'PZ', 22, 'CA4-80', NULL, NULL, NULL);
