-- Application schemes, scenarios, metamodel coefficients and saved assessments of the
-- reference main database. Drift values are the field-crop and early-fruit deposition
-- percentiles at 1 m (3 m for fruit) for the number of applications; see README.md.

INSERT INTO application (id, name, descr, readonly, M, N, DT, DRIFTDITCH, DRIFT, MSTACKED) VALUES
 (1, 'Field crop, 1 x 1000 g/ha', 'One application, drift at 1 m', -1, 1000, 1, 0, 2.77, 2.77, 1000),
 (2, 'Field crop, 3 x 500 g/ha, 7 d', 'Three applications a week apart, drift at 1 m', 0, 500, 3, 7, 2.01, 2.01, 1500),
 (3, 'Orchard early, 2 x 750 g/ha, 14 d', 'Early fruit, drift at 3 m', 0, 750, 2, 14, 29.2, 29.2, 1500),
 (4, 'Field crop, 1 x 250 g/ha, 5 m buffer', 'One application behind a 5 m buffer strip', 0, 250, 1, 0, 0.57, 0.57, 250),
 (5, 'Vegetables, 4 x 100 g/ha, 10 d', 'Four applications ten days apart, drift at 1 m', 0, 100, 4, 10, 1.85, 1.85, 400);

INSERT INTO sc_aquatic (id, name, descr, readonly, T, H, B, S1, L, V, SS, MOMSS, EF_W_A_F, EF_W_A_D, EF_W_A_A,
  EF_W_C_F, EF_W_C_D) VALUES
 (1, 'Ditch, temperate', 'Edge-of-field ditch, 10 C, slow flow', -1, 283.15, 0.3, 1, 1, 100, 86.4, 0.000015, 0.09,
  0.01, 0.01, 0.1, 0.1, 0.1),
 (2, 'Ditch, Mediterranean', 'Edge-of-field ditch, 20 C, very slow flow', 0, 293.15, 0.4, 0.4, 1, 100, 43.2, 0.000015,
  0.09, 0.01, 0.01, 0.1, 0.1, 0.1),
 (3, 'Stream, temperate', 'Small stream, 12 C', 0, 285.15, 0.5, 2, 1.5, 1000, 8640, 0.000015, 0.09, 0.01, 0.01, 0.1,
  0.1, 0.1);

INSERT INTO sc_terrestrial (id, name, descr, readonly, DEPTHF, PB, EF_S_A, EF_S_C) VALUES
 (1, 'Arable soil, 5 cm', 'Top soil mixed over 5 cm', -1, 0.05, 1.5, 0.1, 0.2),
 (2, 'Orchard soil, 5 cm', 'Grass strip soil, lighter', 0, 0.05, 1.3, 0.1, 0.2),
 (3, 'Arable soil, 20 cm', 'Ploughed in over 20 cm', 0, 0.2, 1.5, 0.1, 0.2);

INSERT INTO sc_bees (id, name, descr, readonly, EF_B) VALUES
 (1, 'Honeybee, hazard quotient 50', 'Rate over LD50 against the trigger 50', -1, 50),
 (2, 'Honeybee, flowering crop', 'Stricter trigger 25 for crops in flower', 0, 25);

INSERT INTO sc_nta (id, name, descr, readonly, VEG, EF_NTA) VALUES
 (1, 'Field margin', 'Off-field vegetation, distribution factor 10', -1, 10, 0.5),
 (2, 'Orchard margin', 'Off-field vegetation, distribution factor 5', 0, 5, 0.5);

INSERT INTO sc_groundwater (id, name, descr, readonly, PB, PR, THETA, DGW, FOM, A0, A1, A2, BW, P, CONSWATER) VALUES
 (1, 'Temperate loam', 'Loam, 650 mm/a, groundwater at 1 m', -1, 1.5, 0.65, 0.3, 1, 0.0345, 3.0, 0.5, 0.08, 60, 0.1, 2),
 (2, 'Temperate sand', 'Sand, 800 mm/a, groundwater at 1 m', 0, 1.6, 0.8, 0.2, 1, 0.02, 3.5, 0.45, 0.07, 60, 0.1, 2),
 (3, 'Mediterranean loam', 'Loam, 500 mm/a, groundwater at 2 m', 0, 1.5, 0.5, 0.25, 2, 0.03, 2.5, 0.55, 0.09, 60, 0.1,
  2);

INSERT INTO sc_dietary (id, name, descr, readonly, BW, CONSWATER, PECGW_U, PECNWATER_U, CFISH, CMF, PECVEGIT, CVEGIT)
VALUES
 (1, 'Adult, 60 kg', 'Adult consumer (WHO body weight)', -1, 60, 2, NULL, NULL, 0.044, 0.05, 0.01, 0.3),
 (2, 'Adult, 70 kg', 'Adult consumer (EU body weight)', 0, 70, 2, NULL, NULL, 0.044, 0.05, 0.01, 0.45),
 (3, 'Child, 12 kg', 'Young child', 0, 12, 1, NULL, NULL, 0.01, 0.01, 0.01, 0.1);

-- Coefficients of the leaching metamodel: ln PEC(1 kg/ha) = a0 - a1 X1 - a2 X2.
INSERT INTO sorel_meta (id, "set", region, region_descr, a0, a1, a2) VALUES
 (1, 'Reference', 'Temperate loam', 'Loam soils, 600-700 mm precipitation', 3.0, 0.5, 0.08),
 (2, 'Reference', 'Temperate sand', 'Sandy soils, 700-900 mm precipitation', 3.5, 0.45, 0.07),
 (3, 'Reference', 'Mediterranean', 'Loam soils, 350-900 mm precipitation', 2.5, 0.55, 0.09);

-- Pesticide ids are those of the reference pesticide database.
INSERT INTO pra (id, name, descr, readonly, ai_id, ap_id, aq_id, te_id, gw_id, di_id, be_id, nt_id) VALUES
 (1, 'Reference assessment', 'Imidacloprid in an early orchard, reference scenarios', -1, 9, 3, 1, 1, 1, 1, 1, 1),
 (2, 'Glyphosate, field crop', 'Strongly sorbed herbicide, one application', 0, 1, 1, 1, 1, 1, 1, 1, 1),
 (3, 'Chlorpyrifos, vegetables', 'Insecticide, four applications', 0, 8, 5, 1, 1, 1, 1, 1, 1),
 (4, 'Azoxystrobin, Mediterranean', 'Fungicide, three applications', 0, 22, 2, 2, 2, 3, 2, 1, 2);
