-- Nature codes of the FatturaPA format 1.2 have up to four characters
-- ("N2.1", "N6.9"). Widens the columns of an existing store, the codes it
-- holds stay as they are. Running it again changes nothing.
SET NAMES utf8mb4;

ALTER TABLE `testata`
  MODIFY `natura` VARCHAR(4) NULL DEFAULT '',
  MODIFY `natura2` VARCHAR(4) NULL DEFAULT '',
  MODIFY `natura3` VARCHAR(4) NULL DEFAULT '',
  MODIFY `natura4` VARCHAR(4) NULL DEFAULT '';

ALTER TABLE `dettaglio`
  MODIFY `natura` VARCHAR(4) NULL DEFAULT '';

ALTER TABLE `test_car`
  MODIFY `natura` VARCHAR(4) NULL DEFAULT '',
  MODIFY `natura2` VARCHAR(4) NULL DEFAULT '';

ALTER TABLE `dett_car`
  MODIFY `natura` VARCHAR(4) NULL DEFAULT '';
