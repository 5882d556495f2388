-- Demo data: a company whose XML files land in the demo's xml/ folder,
-- a few customers, suppliers, articles and invoices.
SET NAMES utf8mb4;

INSERT INTO azienda (rag_soc, p_iva, cod_fis, reg_fisc, indirizzo, cap, comune, prov, nazione, uff_rea, num_rea,
                     capit_soc, soc_uni, stato_liq, mail, telefono, path, iban)
VALUES ('Dosca Forniture S.r.l.', '01234567897', '01234567897', 'RF01', 'Via Garibaldi 12', '20121', 'Milano', 'MI',
        'IT', 'MI', '1234567', '10000,00', 'SM', 'LN', 'amministrazione@dosca.example', '02 1234567', 'xml/',
        'IT60X0542811101000000123456');

INSERT INTO clienti (rag_soc, indirizzo, comune, cap, prov, nazione, p_iva, cod_fis, cod_dest, pec,
                     dest_soc, dest_comune, dest_indir, dest_cap)
VALUES ('Bianchi & Figli S.n.c.', 'Corso Italia 45', 'Torino', '10121', 'TO', 'IT', '09876543217', '09876543217',
        'M5UXCR1', '', 'Magazzino Bianchi', 'Settimo Torinese', 'Via dell''Industria 3', '10036'),
       ('Comune di Lodi', 'Piazza Broletto 1', 'Lodi', '26900', 'LO', 'IT', '', '84507570152', 'UFB4PZ', '',
        '', '', '', ''),
       ('Rossi Mario', 'Via Roma 10/A', 'Bergamo', '24121', 'BG', 'IT', '', 'RSSMRA70A01A794H', '0000000',
        'mario.rossi@pec.example', '', '', '', ''),
       ('Verdi Impianti S.p.A.', 'Viale Monza 200', 'Milano', '20127', 'MI', 'IT', '11223344554', '11223344554',
        'KRRH6B9', '', '', '', '', '');

INSERT INTO fornitori (rag_soc, indirizzo, comune, cap, prov, nazione, p_iva, cod_fis, cod_destinatario, pec)
VALUES ('Carta e Cartoni S.r.l.', 'Via Emilia 88', 'Piacenza', '29121', 'PC', 'IT', '02345678904', '02345678904',
        'SUBM70N', ''),
       ('Ferramenta Lombarda', 'Via Milano 5', 'Monza', '20900', 'MB', 'IT', '03456789019', '03456789019',
        '0000000', 'ferramenta@pec.example');

INSERT INTO magazzino (descrizione, codice_tipo, codice_val, esistenza, um, prezzo_unit, sc_tipo, sc_perc,
                       sc_importo, prezzo_tot, costo_unit, sc_costo_tipo, sc_costo_perc, sc_costo_importo,
                       costo_tot, aliquota)
VALUES ('Scatola cartone 40x30x30', 'INTERNO', 'SC4030', '250,00', 'PZ', '1,80', '', '', '0,00', '1,80',
        '0,95', '', '', '0,00', '0,95', '22'),
       ('Nastro adesivo avana 50 mm', 'INTERNO', 'NA50', '1200,00', 'RT', '2,40', 'SC', '10', '0,24', '2,16',
        '1,10', '', '', '0,00', '1,10', '22'),
       ('Film estensibile 23 my', 'INTERNO', 'FE23', '80,00', 'KG', '3,90', '', '', '0,00', '3,90',
        '2,60', 'SC', '5', '0,13', '2,47', '22');

INSERT INTO testata (rag_soc, indirizzo, comune, cap, prov, nazione, p_iva, cod_fis, cod_dest, pec, data_doc, num_doc,
                     tot_doc, tipo_doc, tipo_pag, mod_pag, n_rate, spese, arrot, imponibile, imposta, aliquota,
                     esig_iva, esig_iva2, esig_iva3, causale, trasporto, porto, aspetto, colli, spese2, arrot2,
                     spese3, arrot3, tot_omaggio, dest_soc, dest_comune, dest_indir, dest_cap, sc_importo)
VALUES ('Bianchi & Figli S.n.c.', 'Corso Italia 45', 'Torino', '10121', 'TO', 'IT', '09876543217', '09876543217',
        'M5UXCR1', '', '03/12/2026', '1', '281,82', 'TD01', 'TP02', 'MP05', 0, '0,00', '0,00', '231,00', '50,82',
        '22', 'I', 'I', 'I', 'Vendita', 'Vettore', 'Franco', 'Cartoni, Imballi', '3', '0,00', '0,00', '0,00',
        '0,00', '0,00', 'Magazzino Bianchi', 'Settimo Torinese', 'Via dell''Industria 3', '10036', '0,00'),
       ('Rossi Mario', 'Via Roma 10/A', 'Bergamo', '24121', 'BG', 'IT', '', 'RSSMRA70A01A794H', '0000000',
        'mario.rossi@pec.example', '07/12/2026', '2', '19,52', 'TD01', 'TP02', 'MP01', 0, '0,00', '0,00', '16,00',
        '3,52', '22', 'I', 'I', 'I', 'Vendita', 'Vettore', 'Franco', 'Cartoni, Imballi', '', '0,00', '0,00',
        '0,00', '0,00', '0,00', '', '', '', '', '0,00');

INSERT INTO dettaglio (id_invio, prog, codice_tipo, codice_val, descrizione, quantita, um, prezzo_unit, sc_tipo,
                       sc_perc, sc_importo, prezzo_tot, aliquota, tipo_cessione, ritenuta, natura, rif_amm)
VALUES (1, 1, 'INTERNO', 'SC4030', 'Scatola cartone 40x30x30', '100,00', 'PZ', '1,80', '', '', '0,00', '180,00',
        '22', '', '', '', ''),
       (1, 2, 'INTERNO', 'NA50', 'Nastro adesivo avana 50 mm', '25,00', 'RT', '2,40', 'SC', '15,00', '0,36', '51,00',
        '22', '', '', '', ''),
       (2, 1, 'INTERNO', 'NA50', 'Nastro adesivo avana 50 mm', '5,00', 'RT', '3,20', '', '', '0,00', '16,00',
        '22', '', '', '', '');

INSERT INTO test_car (rag_soc, indirizzo, comune, cap, prov, nazione, p_iva, cod_fis, data_doc, num_doc, tot_doc,
                      tipo_doc, mod_pag, spese, imponibile, imposta, aliquota, sc_perc, sc_importo, nome_file)
VALUES ('Carta e Cartoni S.r.l.', 'Via Emilia 88', 'Piacenza', '29121', 'PC', 'IT', '02345678904', '02345678904',
        '28/11/2026', '415', '1.232,20', 'TD01', 'MP05', '10,00', '1.000,00', '220,00', '22', '', '0,00',
        'IT02345678904_00415.xml');

INSERT INTO dett_car (prot_car, prog, codice_tipo, codice_val, descrizione, quantita, um, prezzo_unit, sc_perc,
                      prezzo_tot, aliquota)
VALUES (1, 1, 'FORN', 'CT-40', 'Cartone ondulato doppia onda', '1000,00', 'PZ', '0,95', '', '950,00', '22'),
       (1, 2, 'FORN', 'TR-01', 'Trasporto', '1,00', '', '50,00', '', '50,00', '22');
